// The equation text of a function, built at every drawing of it, and the
// anchor point of its name label.

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/number_text.h"
#include "core/slot_index.h"

namespace {
const QString Quadrat = QStringLiteral("²");
}  // namespace

void GraphCore::Funktionsgleichung(int16_t i)
{
    Falle falle(z, QStringLiteral("frmTessarolen:Funktionsgleichung"));
    if (!falle([&] { PruefeNummer(i, MaxFkt + 1); }))
        return;

    const double E = z.Einheit;
    const QString& art = fkt.FktArt[i];
    const float m = fkt.m[i], b = fkt.b[i], a = fkt.a[i];
    const float xs = fkt.xs[i], ys = fkt.ys[i];
    bool parabelAnker = false;

    GleichungsText = QStringLiteral("y=");
    if (art == QLatin1String("GE")) {
        if (m > 500.0f) {
            falle([&] { GleichungsText = ZahlTextSingle(fkt.xSenkrecht2[i]) + QStringLiteral(" = x"); });
            falle([&] { xAnker = AlsSingle(E * fkt.xSenkrecht2[i]); });
        } else if (m == 0.0f) {
            xAnker = -xHalb;
            if (b == 0.0f)
                GleichungsText = QStringLiteral("y=0");
        } else {
            falle([&] {
                if (m == 1.0f)
                    GleichungsText += QStringLiteral("x");
                else if (m == -1.0f)
                    GleichungsText += QStringLiteral("-x");
                else
                    GleichungsText += ZweiStellenText(m) + QStringLiteral("x");
            });
            falle([&] { xAnker = AlsSingle(Teile(yAnker - AlsSingle(E * b), m)); });
        }
        if (b != 0.0f)
            falle([&] { GleichungsText += VorZeichen(AlsSingle(RundeGerade(b, 2))); });
    } else if (art == QLatin1String("AP") || art == QLatin1String("SP")) {
        falle([&] {
            if (art == QLatin1String("AP") && a == -1.0f)
                GleichungsText += QStringLiteral("-");
            else if (a != 1.0f)
                GleichungsText += ZahlTextSingle(a);
        });
        falle([&] {
            if (xs == 0.0f)
                GleichungsText += QStringLiteral("x") + Quadrat;
            else
                GleichungsText += QStringLiteral("(x") + VorZeichen(-xs) + QStringLiteral(")") + Quadrat;
        });
        if (ys != 0.0f)
            falle([&] { GleichungsText += VorZeichen(ys); });
        parabelAnker = !GraphAußerhalb && (art == QLatin1String("SP") || a != 0.0f);
        if (a == 0.0f)
            xAnker = -xHalb;  // flat: the label stands at the left, as on a horizontal line
    } else if (art == QLatin1String("NP")) {
        GleichungsText += QStringLiteral("x") + Quadrat;
        if (fkt.p[i] != 0.0f)
            falle([&] { GleichungsText += VorZeichen(fkt.p[i]) + QStringLiteral("x"); });
        if (fkt.q[i] != 0.0f)
            falle([&] { GleichungsText += VorZeichen(fkt.q[i]); });
        parabelAnker = !GraphAußerhalb;
    }

    // The left one of the two points at which the parabola reaches the
    // anchor height.
    if (parabelAnker) {
        falle([&] {
            const float faktor = AlsSingle(Teile(a, E));
            const float hoehe = AlsSingle(Teile(yAnker - AlsSingle(E * ys), faktor));
            xAnker = AlsSingle(AlsSingle(E * xs) - Wurzel(hoehe));
        });
    }

    fkt.FktText[i] = GleichungsText;
    falle([&] { TextFunktion(i, xAnker, yAnker); });
}
