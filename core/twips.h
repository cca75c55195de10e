#pragma once
// Window positions and sizes are given in twips: 15 twips are one pixel.

inline constexpr int TwipsProPixel = 15;
inline constexpr int Px(int twips) { return twips / TwipsProPixel; }
inline constexpr int Twips(int pixel) { return pixel * TwipsProPixel; }

#include <QVariant>
#include <QWidget>

// The top of a control in twips, as last set by SetzeObenTwips (kept exactly,
// although the control itself stands on whole pixels).
inline void SetzeObenTwips(QWidget& w, int twips)
{
    w.setProperty("obenTwips", twips);
    w.move(w.x(), Px(twips));
}
inline int ObenTwips(const QWidget& w)
{
    const QVariant v = w.property("obenTwips");
    return v.isValid() ? v.toInt() : Twips(w.y());
}
inline int HoeheTwips(const QWidget& w) { return Twips(w.height()); }
