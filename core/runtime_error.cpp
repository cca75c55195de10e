#include "core/runtime_error.h"

#include <cfenv>
#include <cmath>
#include <limits>

LaufzeitFehler LaufzeitFehler::UngueltigesArgument()
{
    return {5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument")};
}
LaufzeitFehler LaufzeitFehler::Ueberlauf() { return {6, QStringLiteral("Überlauf")}; }
LaufzeitFehler LaufzeitFehler::DivisionDurchNull()
{
    return {11, QStringLiteral("Division durch Null")};
}
LaufzeitFehler LaufzeitFehler::Pfadzugriff()
{
    return {75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei")};
}

double Endlich(double v)
{
    if (!std::isfinite(v))
        throw LaufzeitFehler::Ueberlauf();
    return v;
}

float AlsSingle(double v)
{
    Endlich(v);
    const float f = static_cast<float>(v);
    if (!std::isfinite(f))
        throw LaufzeitFehler::Ueberlauf();
    return f;
}

int16_t AlsInteger(double v)
{
    Endlich(v);
    const double r = std::nearbyint(v);  // default rounding: half to even
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        throw LaufzeitFehler::Ueberlauf();
    return static_cast<int16_t>(r);
}

double Teile(double zaehler, double nenner)
{
    if (nenner == 0.0) {
        if (zaehler == 0.0 || std::isnan(zaehler))
            throw LaufzeitFehler::Ueberlauf();
        throw LaufzeitFehler::DivisionDurchNull();
    }
    return Endlich(zaehler / nenner);
}

double Wurzel(double v)
{
    if (std::isnan(v) || v < 0.0)
        throw LaufzeitFehler::UngueltigesArgument();
    return std::sqrt(v);
}
