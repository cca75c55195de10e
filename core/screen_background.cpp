// The kept background of the sheet's picture: the grid, axes and heading are
// drawn once per unit, view and heading and put back by every later redraw.
// Only the tiles written since they were last put back are copied, so a
// redraw costs what the functions and points on top of them cost.

#include "core/screen_surface.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstring>

void Bildschirmflaeche::markiere(int x0, int y0, int x1, int y1)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, breitePx_ - 1);
    y1 = std::min(y1, hoehePx_ - 1);
    if (x0 > x1 || y0 > y1)
        return;
    for (int ky = y0 / kachelH_; ky <= y1 / kachelH_; ++ky) {
        unsigned char* zeile = beschrieben_.data() + size_t(ky) * size_t(kachelnX_);
        std::fill(zeile + x0 / kachelB_, zeile + x1 / kachelB_ + 1, 1);
    }
}

// The pixels of a segment drawn with the current dot: a long segment is
// marked piece by piece, so that a slanting one marks only the tiles along
// its path.
void Bildschirmflaeche::markiereStrecke(int x0, int y0, int x1, int y1)
{
    const int rand0 = maskeVon_ - 1;
    const int rand1 = maskeVon_ + maskeBreite_;
    const long long dx = (long long)x1 - x0, dy = (long long)y1 - y0;
    const long long laenge = std::max(std::llabs(dx), std::llabs(dy));
    const int stuecke = int(std::min<long long>(laenge / kachelH_ + 1, 1 << 16));
    int ax = x0, ay = y0;
    for (int k = 1; k <= stuecke; ++k) {
        const int bx = int(x0 + dx * k / stuecke), by = int(y0 + dy * k / stuecke);
        markiere(std::min(ax, bx) + rand0, std::min(ay, by) + rand0, std::max(ax, bx) + rand1,
                 std::max(ay, by) + rand1);
        ax = bx;
        ay = by;
    }
}

// The box of a text printed at the current point, with room for glyphs
// that reach beyond their advance.
void Bildschirmflaeche::markiereText(const QString& text)
{
    const QFontMetricsF fm(schrift(), &bild_);
    const double x = CurrentX * pixelProMm_;
    const double oben = CurrentY * pixelProMm_;
    const QRectF tinte = fm.boundingRect(text).translated(x, oben + fm.ascent());
    const QRectF kasten = QRectF(x, oben, fm.horizontalAdvance(text), fm.height()).united(tinte);
    const double rand = 2.0 + fm.height() / 4.0;
    if (!std::isfinite(kasten.left() + kasten.top() + kasten.width() + kasten.height()))
        return;
    const auto px = [](double v) { return int(std::clamp(std::floor(v), -1.0e6, 1.0e6)); };
    markiere(px(kasten.left() - rand), px(kasten.top() - rand), px(kasten.right() + rand),
             px(kasten.bottom() + rand));
}

void Bildschirmflaeche::HintergrundMerken(const QByteArray& schluessel)
{
    hintergrund_ = bild_.copy();
    hintergrundSchluessel_ = schluessel;
    hintergrundZustand_ = {DrawWidth, ForeColor, FontBold, FontSize, FontName, CurrentX, CurrentY};
    std::fill(beschrieben_.begin(), beschrieben_.end(), 0);
    ganzBeschrieben_ = false;
}

bool Bildschirmflaeche::HintergrundHolen(const QByteArray& schluessel)
{
    if (hintergrund_.isNull() || schluessel != hintergrundSchluessel_)
        return false;
    pixelZugriff();
    const uchar* quelle = hintergrund_.constBits();
    const qsizetype quellZeile = hintergrund_.bytesPerLine();
    constexpr size_t kachelBytes = kachelB_ * sizeof(QRgb);
    for (int ky = 0; ky < kachelnY_; ++ky) {
        const unsigned char* flaggen = beschrieben_.data() + size_t(ky) * size_t(kachelnX_);
        const int y0 = ky * kachelH_, y1 = std::min(y0 + kachelH_, hoehePx_);
        if (ganzBeschrieben_) {
            for (int y = y0; y < y1; ++y)
                std::memcpy(bits_ + y * zeilenLaenge_, quelle + y * quellZeile,
                            size_t(breitePx_) * sizeof(QRgb));
            continue;
        }
        for (int kx = 0; kx < kachelnX_; ++kx) {
            if (!flaggen[kx])
                continue;
            const size_t x0 = size_t(kx) * kachelBytes;
            const int breite = std::min(kachelB_, breitePx_ - kx * kachelB_);
            // A whole tile row is one copy of fixed size, which the compiler
            // writes out in place.
            for (int y = y0; y < y1; ++y) {
                uchar* ziel = bits_ + y * zeilenLaenge_ + x0;
                const uchar* von = quelle + y * quellZeile + x0;
                if (breite == kachelB_)
                    std::memcpy(ziel, von, kachelBytes);
                else
                    std::memcpy(ziel, von, size_t(breite) * sizeof(QRgb));
            }
        }
    }
    std::fill(beschrieben_.begin(), beschrieben_.end(), 0);
    ganzBeschrieben_ = false;
    const Zustand& s = hintergrundZustand_;
    DrawWidth = s.DrawWidth;
    ForeColor = s.ForeColor;
    FontBold = s.FontBold;
    FontSize = s.FontSize;
    FontName = s.FontName;
    CurrentX = s.CurrentX;
    CurrentY = s.CurrentY;
    geaendert();
    return true;
}
