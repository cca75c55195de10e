#pragma once
// Window positions and sizes are given in twips: 15 twips are one pixel.

inline constexpr int TwipsProPixel = 15;
inline constexpr int Px(int twips) { return twips / TwipsProPixel; }
inline constexpr int Twips(int pixel) { return pixel * TwipsProPixel; }
