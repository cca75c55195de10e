#pragma once
// The drawing's data: up to ten functions and ten points. Indices are
// 1-based; slot 0 is unused. The coordinate and label arrays of points and
// the label arrays of functions have 12 slots, so that an analysis may raise
// the point count by two before it tests the limit.

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int16_t MaxFkt = 10;
inline constexpr int16_t MaxPkt = 10;

struct FunktionsTabelle {
    std::array<QString, 12> FktArt;  // "GE", "NP", "SP", "AP"
    std::array<float, 12> m{}, b{}, a{}, c{}, p{}, q{}, xs{}, ys{};
    std::array<float, 12> xSenkrecht{}, xSenkrecht2{};
    std::array<QString, 12> FktText;
    std::array<float, 13> FktLabelX{}, FktLabelY{};  // LE; 0 = not placed yet
    std::array<int32_t, 12> Farbe{};  // &HBBGGRR, belongs to the slot

    // Every per-function value of slot i (not the colour) to 0 and "".
    void Leere(int i);
    // Every per-function value of slot von copied into slot nach (not the colour).
    void Kopiere(int von, int nach);
};

struct PunktTabelle {
    std::array<float, 13> PktX{}, PktY{};
    std::array<QString, 11> PktName;  // "P", "N", "T", "S", "Q"
    std::array<float, 13> PktLabelX{}, PktLabelY{};  // LE; 0 = not placed yet

    void Leere(int i);
    void Kopiere(int von, int nach);
};

// The colours of functions 1 ... 10 at start.
inline constexpr std::array<int32_t, 11> StandardFarben = {
    0, 0xFF, 0xFF00, 0xFF0000, 0x80, 0xC0C0, 0x8080FF, 0xC000C0, 0x40C0, 0x80C0FF, 0x8080};

// "Es können nur 10 Tessarolen" CR "dargestellt werden!"
QString FunktionsGrenzeText();
// "Es können nur 10 Punkte" CR "gezeichnet werden!"
QString PunktGrenzeText();
