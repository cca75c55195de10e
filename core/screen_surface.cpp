#include "core/screen_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace {
constexpr double kPixelProZoll = 96.0;
constexpr double kMmProZoll = 25.4;
}  // namespace

Bildschirmflaeche::Bildschirmflaeche(float breiteMm, float hoeheMm, qreal pixelVerhaeltnis)
    : breiteMm_(breiteMm), hoeheMm_(hoeheMm), verhaeltnis_(pixelVerhaeltnis),
      pixelProMm_(kPixelProZoll / kMmProZoll * pixelVerhaeltnis)
{
    bild_ = QImage(int(std::lround(breiteMm * pixelProMm_)), int(std::lround(hoeheMm * pixelProMm_)),
                   QImage::Format_RGB32);
    const int punkteProMeter = int(std::lround(kPixelProZoll * pixelVerhaeltnis / 0.0254));
    bild_.setDotsPerMeterX(punkteProMeter);
    bild_.setDotsPerMeterY(punkteProMeter);
    bild_.fill(Qt::white);
}

void Bildschirmflaeche::geaendert()
{
    if (!geaendert_) {
        geaendert_ = true;
        if (melder_)
            melder_();
    }
}

// One dot of DrawWidth pixels: a square up to 3 pixels, a disc above.
void Bildschirmflaeche::stempel(int px, int py, QRgb farbe)
{
    const int w = DrawWidth < 1 ? 1 : DrawWidth;
    const int von = -(w - 1) / 2;
    const double r = w / 2.0;
    const int breite = bild_.width();
    const int hoehe = bild_.height();
    for (int dy = 0; dy < w; ++dy) {
        const int y = py + von + dy;
        if (y < 0 || y >= hoehe)
            continue;
        QRgb* zeile = reinterpret_cast<QRgb*>(bild_.scanLine(y));
        const double ey = dy + 0.5 - r;
        for (int dx = 0; dx < w; ++dx) {
            const int x = px + von + dx;
            if (x < 0 || x >= breite)
                continue;
            const double ex = dx + 0.5 - r;
            if (w > 3 && ex * ex + ey * ey > r * r + 0.25)
                continue;
            zeile[x] = farbe;
        }
    }
}

void Bildschirmflaeche::strecke(int x0, int y0, int x1, int y1, QRgb farbe)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int fehler = dx + dy;
    for (;;) {
        stempel(x0, y0, farbe);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * fehler;
        if (e2 >= dy) {
            fehler += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            fehler += dx;
            y0 += sy;
        }
    }
}

namespace {
int geklemmt(double v)
{
    if (!(v > -1.0e6))
        return -1000000;
    if (v > 1.0e6)
        return 1000000;
    return int(std::floor(v));
}

// Cuts the segment to the rectangle [lo, hi] (Liang-Barsky); false when
// nothing of it lies inside.
bool schneide(double& x0, double& y0, double& x1, double& y1, double loX, double loY, double hiX,
              double hiY)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - loX, hiX - x0, y0 - loY, hiY - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = nx0;
    y0 = ny0;
    return true;
}
}  // namespace

void Bildschirmflaeche::Line(float x1, float y1, float x2, float y2, std::optional<int32_t> farbe)
{
    const QRgb c = AlsQColor(farbe.value_or(ForeColor)).rgb();
    double ax = x1 * pixelProMm_, ay = y1 * pixelProMm_;
    double bx = x2 * pixelProMm_, by = y2 * pixelProMm_;
    const double rand = DrawWidth + 2.0;
    if (std::isfinite(ax + ay + bx + by) &&
        schneide(ax, ay, bx, by, -rand, -rand, bild_.width() + rand, bild_.height() + rand))
        strecke(geklemmt(ax), geklemmt(ay), geklemmt(bx), geklemmt(by), c);
    CurrentX = x2;
    CurrentY = y2;
    geaendert();
}

void Bildschirmflaeche::PSet(float x, float y, int32_t farbe)
{
    stempel(geklemmt(x * pixelProMm_), geklemmt(y * pixelProMm_), AlsQColor(farbe).rgb());
    CurrentX = x;
    CurrentY = y;
    geaendert();
}

QFont Bildschirmflaeche::schrift() const
{
    QFont f(FontName);
    f.setPointSizeF(FontSize > 0.0f ? FontSize : 1.0f);
    f.setBold(FontBold);
    return f;
}

void Bildschirmflaeche::Print(const QString& text)
{
    const QFont f = schrift();
    {
        QPainter maler(&bild_);
        maler.setFont(f);
        maler.setPen(AlsQColor(ForeColor));
        const QFontMetricsF fm(f, &bild_);
        maler.drawText(QPointF(CurrentX * pixelProMm_, CurrentY * pixelProMm_ + fm.ascent()), text);
        CurrentY += float(fm.height() / pixelProMm_);
    }
    CurrentX = 0.0f;
    geaendert();
}

float Bildschirmflaeche::TextWidth(const QString& text)
{
    const QFontMetricsF fm(schrift(), &bild_);
    return float(fm.horizontalAdvance(text) / pixelProMm_);
}

void Bildschirmflaeche::Cls()
{
    bild_.fill(Qt::white);
    CurrentX = 0.0f;
    CurrentY = 0.0f;
    geaendert();
}

int32_t Bildschirmflaeche::Point(float x, float y)
{
    const int px = geklemmt(x * pixelProMm_);
    const int py = geklemmt(y * pixelProMm_);
    if (px < 0 || py < 0 || px >= bild_.width() || py >= bild_.height())
        return -1;
    return AlsFarbwert(QColor(bild_.pixel(px, py)));
}
