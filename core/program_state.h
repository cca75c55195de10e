#pragma once
// The program-wide variables: they live as long as the program and are
// handed by reference to every window that reads or writes them.

#include <QString>
#include <array>
#include <cstdint>

class Plattform;

struct Programmzustand {
    int16_t AnzFkt = 0;  // number of functions, 0 ... 10
    int16_t AnzPkt = 0;  // number of points, 0 ... 10
    float Einheit = 10.0f;  // millimetres of paper per LE: 10, 5 or 20
    bool SimAktiv = false;
    QString Programmpfad;  // the program's folder, ending in its separator
    QString Eingabe1, Eingabe2, Eingabe3;  // results of the input dialog
    std::array<float, 5> Schrittweite{};  // m, b, a, xs, ys
    Plattform* plattform = nullptr;
};
