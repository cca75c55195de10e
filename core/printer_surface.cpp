#include "core/printer_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

Druckerflaeche::Druckerflaeche(QPainter& maler, int aufloesung, int breitePx, int hoehePx)
    : maler_(maler), pixelProMm_(aufloesung / 25.4),
      breiteMm_(float(breitePx / pixelProMm_)), hoeheMm_(float(hoehePx / pixelProMm_))
{
    maler_.setRenderHint(QPainter::Antialiasing, false);
}

void Druckerflaeche::Line(float x1, float y1, float x2, float y2, std::optional<int32_t> farbe)
{
    QPen stift(AlsQColor(farbe.value_or(ForeColor)));
    stift.setWidth(DrawWidth < 1 ? 1 : DrawWidth);
    stift.setCapStyle(Qt::RoundCap);
    maler_.setPen(stift);
    maler_.drawLine(QPointF(x1 * pixelProMm_, y1 * pixelProMm_),
                    QPointF(x2 * pixelProMm_, y2 * pixelProMm_));
    CurrentX = x2;
    CurrentY = y2;
}

void Druckerflaeche::PSet(float x, float y, int32_t farbe)
{
    QPen stift(AlsQColor(farbe));
    stift.setWidth(DrawWidth < 1 ? 1 : DrawWidth);
    stift.setCapStyle(Qt::RoundCap);
    maler_.setPen(stift);
    maler_.drawPoint(QPointF(x * pixelProMm_, y * pixelProMm_));
    CurrentX = x;
    CurrentY = y;
}

QFont Druckerflaeche::schrift() const
{
    QFont f(FontName);
    f.setPointSizeF(FontSize > 0.0f ? FontSize : 1.0f);
    f.setBold(FontBold);
    return f;
}

void Druckerflaeche::Print(const QString& text)
{
    const QFont f = schrift();
    maler_.setFont(f);
    maler_.setPen(AlsQColor(ForeColor));
    const QFontMetricsF fm(f, maler_.device());
    maler_.drawText(QPointF(CurrentX * pixelProMm_, CurrentY * pixelProMm_ + fm.ascent()), text);
    CurrentX = 0.0f;
    CurrentY += float(fm.height() / pixelProMm_);
}

float Druckerflaeche::TextWidth(const QString& text)
{
    const QFontMetricsF fm(schrift(), maler_.device());
    return float(fm.horizontalAdvance(text) / pixelProMm_);
}
