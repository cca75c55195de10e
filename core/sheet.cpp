// Mapping of sheet millimetres onto the drawing target, text output, and the
// grid with axes, ticks, labels, arrow heads and heading.

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/number_text.h"

float GraphCore::XPos(float x) const { return x * Zoom + MitteX + OffsetX / 2.0f; }
float GraphCore::YPos(float y) const { return MitteY - y * Zoom - OffsetY; }
float GraphCore::XPosINV(float x) const { return x / Zoom + MitteX + OffsetX / 2.0f; }
float GraphCore::YPosINV(float y) const { return MitteY - y / Zoom - OffsetY; }

void GraphCore::Text(const QString& s, float x, float y, float size, bool bold, int32_t farbe)
{
    Falle falle(z, QStringLiteral("frmTessarolen:Text"));
    falle([&] {
        ausgabe->ForeColor = farbe;
        ausgabe->FontBold = bold;
        ausgabe->FontSize = size * Zoom;
    });
    falle([&] {
        ausgabe->CurrentX = XPos(x);
        ausgabe->CurrentY = YPos(y);
    });
    falle([&] { ausgabe->Print(s); });
}

namespace {
constexpr int32_t Schwarz = 0x0;
constexpr int32_t Hellgrau = 0xC0C0C0;
}  // namespace

void GraphCore::Achsen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:Achsen"));
    Ausgabe& a = *ausgabe;
    const float E = z.Einheit;
    float tx = xHalb, ty = yHalb, rx = 10.0f, ry = 10.0f;

    falle([&] {
        a.DrawWidth = StrichBreite(0.2f, a);
        for (xLauf = -xHalb; xLauf <= xHalb; xLauf += 5.0f)
            a.Line(XPos(xLauf), YPos(yHalb), XPos(xLauf), YPos(-yHalb), Hellgrau);
        for (yLauf = -yHalb; yLauf <= yHalb; yLauf += 5.0f)
            a.Line(XPos(-xHalb), YPos(yLauf), XPos(xHalb), YPos(yLauf), Hellgrau);
    });
    falle([&] {
        a.DrawWidth = StrichBreite(0.4f, a);
        a.Line(XPos(-xHalb), YPos(0.0f), XPos(xHalb), YPos(0.0f), Schwarz);
        a.Line(XPos(0.0f), YPos(yHalb), XPos(0.0f), YPos(-yHalb), Schwarz);
    });
    if (E == 20.0f && yHalb == 120.0f) {
        tx = xHalb - 10.0f;
        rx = 0.0f;
    } else if (E == 20.0f) {
        tx = xHalb - 10.0f;
        ty = yHalb - 10.0f;
        rx = 0.0f;
        ry = 0.0f;
    }
    falle([&] {
        a.DrawWidth = StrichBreite(0.2f, a);
        for (xLauf = -tx; xLauf <= tx - rx; xLauf += E) {
            a.Line(XPos(xLauf), YPos(1.5f), XPos(xLauf), YPos(-1.5f), Schwarz);
            if (xLauf != 0.0f)
                Text(StrTextSingle(xLauf / E), xLauf - 1.5f, -2.0f, 8.0f, false, Schwarz);
        }
    });
    falle([&] {
        for (yLauf = -ty; yLauf <= ty - ry; yLauf += E) {
            a.Line(XPos(-1.5f), YPos(yLauf), XPos(1.5f), YPos(yLauf), Schwarz);
            if (yLauf != 0.0f) {
                const QString beschriftung = StrTextSingle(yLauf / E);
                const float w = a.TextWidth(beschriftung);
                Text(beschriftung, -3.0f - w, yLauf + 2.0f, 8.0f, false, Schwarz);
            }
        }
    });
    falle([&] {
        a.DrawWidth = StrichBreite(0.4f, a);
        a.Line(XPos(0.0f), YPos(yHalb), XPos(1.0f), YPos(yHalb - 5.0f));
        a.LineTo(XPos(-1.0f), YPos(yHalb - 5.0f));
        a.LineTo(XPos(0.0f), YPos(yHalb));
        Text(QStringLiteral("y"), -5.0f, yHalb, 12.0f, true, Schwarz);
        a.Line(XPos(xHalb), YPos(0.0f), XPos(xHalb - 5.0f), YPos(1.0f));
        a.LineTo(XPos(xHalb - 5.0f), YPos(-1.0f));
        a.LineTo(XPos(xHalb), YPos(0.0f));
        Text(QStringLiteral("x"), xHalb - 4.0f, -1.0f, 12.0f, true, Schwarz);
    });
    falle([&] { Text(Überschrift, -xHalb, yHalb + 10.0f, 10.0f, true, Schwarz); });
}

int16_t StrichBreite(float breite, const Ausgabe& ziel)
{
    int16_t n = AlsInteger(ziel.ScaleX(breite));
    if (breite > 0.0f && n == 0)
        n = 1;
    return n;
}
