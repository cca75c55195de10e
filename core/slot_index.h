#pragma once
// Range check of a function or point number before it indexes a table.

#include "core/runtime_error.h"

// Raises "Index außerhalb des gültigen Bereichs" (9) unless 1 <= i <= hoechstens.
inline void PruefeNummer(int i, int hoechstens)
{
    if (i < 1 || i > hoechstens)
        throw LaufzeitFehler(9, QStringLiteral("Index außerhalb des gültigen Bereichs"));
}
