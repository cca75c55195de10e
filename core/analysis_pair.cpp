// The intersections of two ticked functions.

#include "core/analysis_math.h"
#include "core/analysis_steps.h"
#include "core/error_log.h"

void GraphCore::Schnittpkte()
{
    Falle falle(z, QStringLiteral("frmTessarolen:Schnittpkte"));
    falle([&] {
        FktNr1 = aktuelleFunktion(1);
        FktNr2 = aktuelleFunktion(int16_t(FktNr1 + 1));
        FktNr3 = aktuelleFunktion(int16_t(FktNr2 + 1));
    });
    if (FktNr1 == 0 || FktNr2 == 0) {
        falle([&] { Hinweis(*this, QStringLiteral("Es müssen 2 Tessarolen ausgewählt sein!!")); });
        return;
    }
    if (FktNr3 >= 1) {
        falle([&] { Hinweis(*this, QStringLiteral("Es sind mehr als 2 Tessarolen ausgewählt!!")); });
        return;
    }

    const Koeffizienten fi = KoeffizientenVon(fkt, FktNr1);
    const Koeffizienten fj = KoeffizientenVon(fkt, FktNr2);
    const SchnittFall fall = Schnittfall(fi, fj);
    const QString art = SchnittArt(fall);

    if (SchnittMitEinemPunkt(fall)) {
        if (!NeuerPunktPlatz(*this))
            return;
        const int16_t n = z.AnzPkt;
        falle([&] { pkt.PktX[n] = SchnittX(fi, fj, fall); });
        falle([&] { pkt.PktY[n] = SchnittY(fi, fj, fall, pkt.PktX[n]); });
        falle([&] { SchnittPunkteZeigen(1, art); });
        return;
    }
    if (!SchnittQuadratisch(fall)) {
        falle([&] { SchnittPunkteZeigen(0, art); });
        return;
    }

    Normalform g;
    falle([&] { g = SchnittGleichung(fi, fj, fall); });
    falle([&] { MitternachtsFormel(g.p, g.q); });
    const int16_t n = z.AnzPkt;
    if (AnzLösungen == 1) {
        falle([&] { pkt.PktY[n] = SchnittY(fi, fj, fall, pkt.PktX[n]); });
    } else if (AnzLösungen == 2) {
        falle([&] { pkt.PktY[n - 1] = SchnittY(fi, fj, fall, pkt.PktX[n - 1]); });
        falle([&] { pkt.PktY[n] = SchnittY(fi, fj, fall, pkt.PktX[n], true); });
    }
    falle([&] { SchnittPunkteZeigen(AnzLösungen, art); });
}
