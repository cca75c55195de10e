#pragma once
// Printing the sheet at true scale: the printer's metrics in millimetres.

#include <cstdint>

class QPrinter;
class Druckerflaeche;
struct Programmzustand;

// What the printer tells about its page, converted to millimetres (at
// 25.3995 mm per inch, as the offsets and sizes have always been measured).
struct Druckmetrik {
    int32_t DpiX = 0;
    int32_t DpiY = 0;
    float DruckOffsetX = 0.0f;  // left physical offset of the printable area
    float DruckOffsetY = 0.0f;  // top physical offset
    float DruckBreite = 0.0f;   // printable width
    float DruckHöhe = 0.0f;     // printable height
};

// Below this printable height the y axis loses 10 mm at each end.
constexpr float MindestDruckHöhe = 283.0f;

// Sets the page's unit and font and reads the printer's resolution, offsets
// and printable size into `m`. A failing step is reported and the next runs.
void Drucken(Programmzustand& z, const QPrinter& drucker, Druckerflaeche& seite, Druckmetrik& m);
