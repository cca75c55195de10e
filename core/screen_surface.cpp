#include "core/screen_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
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
    breitePx_ = bild_.width();
    hoehePx_ = bild_.height();
    kachelnX_ = (breitePx_ + kachelB_ - 1) / kachelB_;
    kachelnY_ = (hoehePx_ + kachelH_ - 1) / kachelH_;
    beschrieben_.assign(size_t(kachelnX_) * size_t(kachelnY_), 0);
}

void Bildschirmflaeche::geaendert()
{
    if (!geaendert_) {
        geaendert_ = true;
        if (melder_)
            melder_();
    }
}

// The dot of DrawWidth pixels: a square up to 3 pixels, a disc above. Kept
// as spans, rebuilt when the width changes.
void Bildschirmflaeche::bereiteMaske()
{
    const int w = DrawWidth < 1 ? 1 : DrawWidth;
    if (w == maskeBreite_)
        return;
    maskeBreite_ = w;
    maskeVon_ = -(w - 1) / 2;
    const double r = w / 2.0;
    zeilen_.assign(size_t(w), Spanne{w, -1});
    spalten_.assign(size_t(w), Spanne{w, -1});
    for (int dy = 0; dy < w; ++dy) {
        const double ey = dy + 0.5 - r;
        for (int dx = 0; dx < w; ++dx) {
            const double ex = dx + 0.5 - r;
            if (w > 3 && ex * ex + ey * ey > r * r + 0.25)
                continue;
            Spanne& z = zeilen_[size_t(dy)];
            z.von = std::min(z.von, dx);
            z.bis = std::max(z.bis, dx);
            Spanne& sp = spalten_[size_t(dx)];
            sp.von = std::min(sp.von, dy);
            sp.bis = std::max(sp.bis, dy);
        }
    }
    for (auto* liste : {&zeilen_, &spalten_})
        for (Spanne& sp : *liste) {
            sp.von += maskeVon_;
            sp.bis += maskeVon_;
        }
}

// The picture is written through its pixel buffer; a copy handed out by
// Bild() is detached first, and a buffer replaced by fill or QPainter is
// taken up again.
void Bildschirmflaeche::pixelZugriff()
{
    if (bits_ != bild_.constBits() || !bild_.isDetached()) {
        bits_ = bild_.bits();
        zeilenLaenge_ = bild_.bytesPerLine();
    }
    if (DrawWidth != maskeBreite_)
        bereiteMaske();
}

void Bildschirmflaeche::fuelleZeile(int y, int xa, int xb, QRgb farbe)
{
    if (y < 0 || y >= hoehePx_)
        return;
    xa = std::max(xa, 0);
    xb = std::min(xb, breitePx_ - 1);
    QRgb* zeile = reinterpret_cast<QRgb*>(bits_ + y * zeilenLaenge_);
    for (int x = xa; x <= xb; ++x)
        zeile[x] = farbe;
}

void Bildschirmflaeche::stempel(int px, int py, QRgb farbe)
{
    const int w = maskeBreite_;
    const int links = px + maskeVon_, oben = py + maskeVon_;
    if (links >= 0 && oben >= 0 && links + w <= breitePx_ && oben + w <= hoehePx_) {
        uchar* zeile = bits_ + oben * zeilenLaenge_;
        for (const Spanne& sp : zeilen_) {
            QRgb* p = reinterpret_cast<QRgb*>(zeile);
            for (int x = px + sp.von; x <= px + sp.bis; ++x)
                p[x] = farbe;
            zeile += zeilenLaenge_;
        }
        return;
    }
    for (int k = 0; k < w; ++k)
        fuelleZeile(oben + k, px + zeilen_[size_t(k)].von, px + zeilen_[size_t(k)].bis, farbe);
}

// Dots at every pixel from xa to xb of row py: each row of the dot becomes
// one run.
void Bildschirmflaeche::waagerecht(int xa, int xb, int py, QRgb farbe)
{
    if (xa > xb)
        std::swap(xa, xb);
    for (int k = 0; k < maskeBreite_; ++k)
        fuelleZeile(py + maskeVon_ + k, xa + zeilen_[size_t(k)].von, xb + zeilen_[size_t(k)].bis,
                    farbe);
}

// Dots at every pixel from ya to yb of column px: each column of the dot
// becomes one run.
void Bildschirmflaeche::senkrecht(int px, int ya, int yb, QRgb farbe)
{
    if (ya > yb)
        std::swap(ya, yb);
    for (int k = 0; k < maskeBreite_; ++k) {
        const int x = px + maskeVon_ + k;
        if (x < 0 || x >= breitePx_)
            continue;
        const int von = std::max(ya + spalten_[size_t(k)].von, 0);
        const int bis = std::min(yb + spalten_[size_t(k)].bis, hoehePx_ - 1);
        uchar* zeile = bits_ + von * zeilenLaenge_;
        for (int y = von; y <= bis; ++y, zeile += zeilenLaenge_)
            reinterpret_cast<QRgb*>(zeile)[x] = farbe;
    }
}

void Bildschirmflaeche::strecke(int x0, int y0, int x1, int y1, QRgb farbe)
{
    markiereStrecke(x0, y0, x1, y1);
    if (y0 == y1) {
        waagerecht(x0, x1, y0, farbe);
        return;
    }
    if (x0 == x1) {
        senkrecht(x0, y0, y1, farbe);
        return;
    }
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
QRgb AlsRgb(int32_t c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

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
    const QRgb c = AlsRgb(farbe.value_or(ForeColor));
    double ax = x1 * pixelProMm_, ay = y1 * pixelProMm_;
    double bx = x2 * pixelProMm_, by = y2 * pixelProMm_;
    const double rand = DrawWidth + 2.0;
    const double loX = -rand, loY = -rand;
    const double hiX = breitePx_ + rand, hiY = hoehePx_ + rand;
    const bool innen = ax >= loX && ax <= hiX && bx >= loX && bx <= hiX && ay >= loY &&
                       ay <= hiY && by >= loY && by <= hiY;
    if (innen || (std::isfinite(ax + ay + bx + by) && schneide(ax, ay, bx, by, loX, loY, hiX, hiY))) {
        pixelZugriff();
        strecke(geklemmt(ax), geklemmt(ay), geklemmt(bx), geklemmt(by), c);
    }
    CurrentX = x2;
    CurrentY = y2;
    geaendert();
}

void Bildschirmflaeche::PSet(float x, float y, int32_t farbe)
{
    pixelZugriff();
    const int px = geklemmt(x * pixelProMm_), py = geklemmt(y * pixelProMm_);
    markiere(px + maskeVon_, py + maskeVon_, px + maskeVon_ + maskeBreite_ - 1,
             py + maskeVon_ + maskeBreite_ - 1);
    stempel(px, py, AlsRgb(farbe));
    CurrentX = x;
    CurrentY = y;
    geaendert();
}

QFont Bildschirmflaeche::schrift() const
{
    QFont f(FontName);
    f.setPointSizeF(FontSize > 0.0f ? FontSize : 1.0f);
    f.setBold(FontBold);
    // Whole pixels in exactly the pen's colour: the same text in white
    // removes it again, and a legend keeps its function's colour.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void Bildschirmflaeche::Print(const QString& text)
{
    markiereText(text);
    const QFont f = schrift();
    {
        QPainter maler(&bild_);
        maler.setRenderHint(QPainter::TextAntialiasing, false);
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
    ganzBeschrieben_ = true;
    bild_.fill(Qt::white);
    CurrentX = 0.0f;
    CurrentY = 0.0f;
    geaendert();
}

int32_t Bildschirmflaeche::Point(float x, float y)
{
    const int px = geklemmt(x * pixelProMm_);
    const int py = geklemmt(y * pixelProMm_);
    if (px < 0 || py < 0 || px >= breitePx_ || py >= hoehePx_)
        return -1;
    return AlsFarbwert(QColor(bild_.pixel(px, py)));
}
