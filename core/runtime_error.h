#pragma once
// The run-time error the program reports through FehlerMelden, and the
// checked arithmetic that raises it where a plain float would silently turn
// into infinity, NaN or a wrapped integer.

#include <QString>
#include <cstdint>
#include <exception>

struct LaufzeitFehler : std::exception {
    int32_t Nummer = 0;
    QString Beschreibung;

    LaufzeitFehler(int32_t nummer, QString beschreibung)
        : Nummer(nummer), Beschreibung(std::move(beschreibung)) {}
    const char* what() const noexcept override { return "LaufzeitFehler"; }

    static LaufzeitFehler UngueltigesArgument();  // 5
    static LaufzeitFehler Ueberlauf();            // 6
    static LaufzeitFehler DivisionDurchNull();    // 11
    static LaufzeitFehler Pfadzugriff();          // 75
};

// Stores a double into a 32-bit float; raises the overflow error (6) when the
// value is NaN or does not fit, instead of producing infinity.
float AlsSingle(double v);
// Stores a value into a 16-bit integer, rounding half to even; overflow (6).
int16_t AlsInteger(double v);
// Division that raises "Division durch Null" (11), or overflow (6) for 0/0.
double Teile(double zaehler, double nenner);
// Square root that raises error 5 for a negative argument.
double Wurzel(double v);
// A double result that must be finite: overflow (6) otherwise.
double Endlich(double v);
