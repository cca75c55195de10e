// Plotting of points, straight lines (vertical ones too) and parabolas on
// the drawing target, and the two redraw loops over the tables.

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/slot_index.h"

#include <cfloat>
#include <cmath>

namespace {

constexpr int32_t Weiss = 0xFFFFFF;
constexpr int32_t Dunkelgruen = 0x4000;
constexpr int32_t Gruen = 0x8000;
constexpr float Schritt = 0.1f;

// A sample value as a 32-bit float. A value beyond the float range lies far
// outside the grid anyway: it is kept at the largest float of its sign
// instead of raising an overflow at every sample.
float AlsProbe(double y)
{
    if (y > double(FLT_MAX))
        return FLT_MAX;
    if (y < -double(FLT_MAX))
        return -FLT_MAX;
    return float(y);
}

void MeldeAusserhalb(Programmzustand& z)
{
    if (z.plattform)
        z.plattform->MsgBox(QStringLiteral("Funktionsgraph außerhalb der Zeichenebene!"),
                            MsgSymbol::Information, MsgKnoepfe::OK, QStringLiteral("Hinweis..."));
}

}  // namespace

void GraphCore::ParabelZeichnen(int16_t i)
{
    Falle falle(z, QStringLiteral("frmTessarolen:ParabelZeichnen"));
    if (!falle([&] { PruefeNummer(i, MaxFkt + 1); }))
        return;
    Ausgabe& aus = *ausgabe;
    const double E = z.Einheit;
    const int32_t farbe = fkt.Farbe[i];
    bool erster = true;

    falle([&] { aus.DrawWidth = StrichBreite(0.6f, aus); });
    GraphAußerhalb = true;
    falle([&] {
        const float faktor = AlsSingle(Teile(fkt.a[i], E));
        const float ex = AlsSingle(E * fkt.xs[i]);
        const float eys = AlsSingle(E * fkt.ys[i]);
        const float unten = -(yHalb - 1.5f);
        for (xLauf = -xHalb; xLauf <= xHalb; xLauf = xLauf + Schritt) {
            const double d = double(xLauf) - double(ex);
            yLauf = AlsProbe(double(faktor) * std::pow(d, 2) + double(eys));
            if (std::fabs(yLauf) > yHalb)
                continue;
            GraphAußerhalb = false;
            if (erster) {
                aus.PSet(XPos(xLauf), YPos(yLauf), farbe);
                yAnker = yLauf;
                erster = false;
            } else if (yLauf < unten) {
                aus.PSet(XPos(xLauf), YPos(yLauf), Weiss);
            } else {
                aus.LineTo(XPos(xLauf), YPos(yLauf), farbe);
            }
        }
    });
    if (GraphAußerhalb)
        falle([&] { MeldeAusserhalb(z); });
    falle([&] { Funktionsgleichung(i); });
}

void GraphCore::GeradeZeichnen(int16_t i)
{
    Falle falle(z, QStringLiteral("frmTessarolen:GeradeZeichnen"));
    if (!falle([&] { PruefeNummer(i, MaxFkt + 1); }))
        return;
    Ausgabe& aus = *ausgabe;
    const double E = z.Einheit;
    const int32_t farbe = fkt.Farbe[i];
    const float m = fkt.m[i];
    bool nichtsSichtbar = true;
    bool erster = true;

    falle([&] { aus.DrawWidth = StrichBreite(0.5f, aus); });
    if (std::fabs(m) < 500.0f) {
        falle([&] {
            const float eb = AlsSingle(E * fkt.b[i]);
            for (xLauf = -xHalb; xLauf <= xHalb; xLauf = xLauf + Schritt) {
                yLauf = AlsProbe(double(m) * xLauf + double(eb));
                if (std::fabs(yLauf) > yHalb)
                    continue;
                nichtsSichtbar = false;
                if (erster) {
                    aus.PSet(XPos(xLauf), YPos(yLauf), farbe);
                    yAnker = yLauf;
                    erster = false;
                } else {
                    aus.LineTo(XPos(xLauf), YPos(yLauf), farbe);
                    if (yLauf > yAnker)
                        yAnker = yLauf;
                }
            }
        });
    } else {
        // Vertical: one segment over the whole height of the grid, wherever x lies.
        nichtsSichtbar = false;
        falle([&] {
            const float x1 = AlsSingle(E * fkt.xSenkrecht[i]);
            const float x2 = AlsSingle(E * fkt.xSenkrecht2[i]);
            if (m >= 0.0f && x2 <= x1)
                aus.Line(XPos(x1), YPos(yHalb), XPos(x2), YPos(-yHalb), farbe);
            else
                aus.Line(XPos(x2), YPos(yHalb), XPos(x1), YPos(-yHalb), farbe);
        });
        yAnker = yHalb;
    }
    if (nichtsSichtbar)
        falle([&] { MeldeAusserhalb(z); });
    falle([&] { Funktionsgleichung(i); });
}

void GraphCore::PunktZeichnen(float x, float y, const QString& Name, int16_t Index)
{
    Falle falle(z, QStringLiteral("frmTessarolen:PunktZeichnen"));
    if (!falle([&] { PruefeNummer(Index, MaxPkt); }))
        return;
    Ausgabe& aus = *ausgabe;
    const double E = z.Einheit;
    const float groesse = z.Einheit == 5.0f ? 8.0f : 10.0f;
    int16_t k = 0;

    falle([&] { aus.DrawWidth = StrichBreite(0.4f, aus); });
    falle([&] {
        const float ex = AlsSingle(E * x), ey = AlsSingle(E * y);
        aus.Line(XPos(ex + 1.0f), YPos(ey + 1.0f), XPos(ex - 1.0f), YPos(ey - 1.0f), Dunkelgruen);
        aus.Line(XPos(ex - 1.0f), YPos(ey + 1.0f), XPos(ex + 1.0f), YPos(ey - 1.0f), Dunkelgruen);
    });
    falle([&] { k = aktuelleFunktion(1); });
    falle([&] {
        if (pkt.PktLabelX[Index] == 0.0f)
            pkt.PktLabelX[Index] = AlsSingle(double(x) + 0.2);
    });
    falle([&] {
        if (pkt.PktLabelY[Index] != 0.0f)
            return;
        bool hoeher = Name == QLatin1String("N") || k == 0;
        if (!hoeher && k > 0 && k <= MaxFkt + 1) {
            const QString& art = fkt.FktArt[k];
            if (art == QLatin1String("GE"))
                hoeher = fkt.m[k] < 0.0f;
            else if (art == QLatin1String("AP"))
                hoeher = fkt.a[k] < 0.0f;
        }
        pkt.PktLabelY[Index] = hoeher ? AlsSingle(double(y) + 0.4) : y;
    });
    falle([&] {
        const QString text = Name + QString::number(Index) + QStringLiteral("(") +
                             ZweiStellenText(x) + QStringLiteral("/") + ZweiStellenText(y) +
                             QStringLiteral(")");
        TextPkt(Index, text, AlsSingle(E * pkt.PktLabelX[Index]),
                AlsSingle(E * pkt.PktLabelY[Index]), groesse, false, Gruen);
    });
}

void GraphCore::FunktionZeichnen(int16_t i)
{
    if (fkt.a.at(static_cast<size_t>(i)) != 0.0f)
        ParabelZeichnen(i);
    else
        GeradeZeichnen(i);
}

void GraphCore::TessarolenZeichnen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:TessarolenZeichnen"));
    const int16_t ende = z.AnzFkt;
    for (LaufIndex = 1; LaufIndex <= ende; ++LaufIndex) {
        falle([&] {
            PruefeNummer(LaufIndex, MaxFkt + 1);
            FunktionZeichnen(LaufIndex);
        });
    }
}

void GraphCore::PunkteZeichnen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PunkteZeichnen"));
    const int16_t ende = z.AnzPkt;
    for (LaufIndex = 1; LaufIndex <= ende; ++LaufIndex) {
        falle([&] {
            PruefeNummer(LaufIndex, MaxPkt);
            PunktZeichnen(pkt.PktX[LaufIndex], pkt.PktY[LaufIndex], pkt.PktName[LaufIndex],
                          LaufIndex);
        });
    }
}
