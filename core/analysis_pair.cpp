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
        float x = 0.0f, y = 0.0f;
        if (!falle([&] { x = SchnittX(fi, fj, fall); }) ||
            !falle([&] { y = SchnittY(fi, fj, fall, x); })) {
            z.AnzPkt -= 1;  // reported; no point
            return;
        }
        pkt.PktX[n] = x;
        pkt.PktY[n] = y;
        falle([&] { SchnittPunkteZeigen(1, art); });
        return;
    }
    if (!SchnittQuadratisch(fall)) {
        falle([&] { SchnittPunkteZeigen(0, art); });
        return;
    }

    // A failed step has been reported; the analysis then ends without a point.
    Normalform g;
    if (!falle([&] { g = SchnittGleichung(fi, fj, fall); }) || !QuadratLoesen(*this, g.p, g.q))
        return;
    const int16_t n = z.AnzPkt;
    float y1 = 0.0f, y2 = 0.0f;
    bool gerechnet = true;
    if (AnzLösungen == 1)
        gerechnet = falle([&] { y2 = SchnittY(fi, fj, fall, pkt.PktX[n]); });
    else if (AnzLösungen == 2)
        gerechnet = falle([&] { y1 = SchnittY(fi, fj, fall, pkt.PktX[n - 1]); }) &&
                    falle([&] { y2 = SchnittY(fi, fj, fall, pkt.PktX[n], true); });
    if (!gerechnet) {
        z.AnzPkt -= AnzLösungen;
        return;
    }
    if (AnzLösungen == 2)
        pkt.PktY[n - 1] = y1;
    if (AnzLösungen >= 1)
        pkt.PktY[n] = y2;
    falle([&] { SchnittPunkteZeigen(AnzLösungen, art); });
}
