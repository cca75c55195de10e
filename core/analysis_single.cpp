// The analyses of one ticked function: zeros, y-axis intercept and vertex.

#include "core/analysis_math.h"
#include "core/analysis_steps.h"
#include "core/error_log.h"

void GraphCore::Nullstellen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:Nullstellen"));
    bool gewaehlt = false;
    falle([&] { gewaehlt = EineFunktionGewaehlt(*this); });
    if (!gewaehlt)
        return;
    const Koeffizienten f = KoeffizientenVon(fkt, FktNr1);
    const QString N = QStringLiteral("N");

    if (IstGerade(f)) {
        if (!NeuerPunktPlatz(*this))
            return;
        const int16_t n = z.AnzPkt;
        const int16_t anzahl = GeradenNullstellenAnzahl(f);
        if (anzahl == 1) {
            float x = 0.0f;
            if (!falle([&] { x = GeradenNullstelleX(f); })) {
                z.AnzPkt -= 1;  // reported; no point
                return;
            }
            pkt.PktY[n] = 0.0f;
            pkt.PktX[n] = x;
            falle([&] { SchnittPunkteZeigen(1, N); });
        } else {
            falle([&] { SchnittPunkteZeigen(anzahl, N); });
            z.AnzPkt -= 1;
        }
        return;
    }

    // The y values of up to two zeros, before the count is raised.
    pkt.PktY[z.AnzPkt + 1] = 0.0f;
    pkt.PktY[z.AnzPkt + 2] = 0.0f;
    // A failed step has been reported; the analysis then ends without a point.
    Normalform g;
    if (!falle([&] { g = NullstellenGleichung(f); }) || !QuadratLoesen(*this, g.p, g.q))
        return;
    falle([&] { SchnittPunkteZeigen(AnzLösungen, N); });
}

void GraphCore::YSchnittpunkt()
{
    Falle falle(z, QStringLiteral("frmTessarolen:YSchnittpunkt"));
    bool gewaehlt = false;
    falle([&] { gewaehlt = EineFunktionGewaehlt(*this); });
    if (!gewaehlt)
        return;
    const Koeffizienten f = KoeffizientenVon(fkt, FktNr1);
    const QString T = QStringLiteral("T");

    if (!NeuerPunktPlatz(*this))
        return;
    const int16_t n = z.AnzPkt;
    if (IstSenkrecht(f)) {
        falle([&] { SchnittPunkteZeigen(0, T); });
        z.AnzPkt -= 1;
        return;
    }
    float y = 0.0f;
    if (!falle([&] { y = YAchsenabschnittY(f); })) {
        z.AnzPkt -= 1;  // reported; no point
        return;
    }
    pkt.PktY[n] = y;
    pkt.PktX[n] = 0.0f;
    falle([&] { SchnittPunkteZeigen(1, T); });
}

void GraphCore::Scheitel()
{
    Falle falle(z, QStringLiteral("frmTessarolen:Scheitel"));
    bool gewaehlt = false;
    falle([&] { gewaehlt = EineFunktionGewaehlt(*this); });
    if (!gewaehlt)
        return;
    const int16_t i = FktNr1;
    if (fkt.FktArt[i] == QLatin1String("GE")) {
        falle([&] { Hinweis(*this, QStringLiteral("Eine Gerade hat keinen Scheitelpunkt!")); });
        return;
    }
    if (!NeuerPunktPlatz(*this))
        return;
    const int16_t n = z.AnzPkt;
    const QString S = QStringLiteral("S");
    pkt.PktName[n] = S;
    pkt.PktX[n] = fkt.xs[i];
    pkt.PktY[n] = fkt.ys[i];
    falle([&] { SchnittPunkteZeigen(1, S); });
}
