#include "core/ausgabe.h"

QColor AlsQColor(int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t AlsFarbwert(QColor f)
{
    return int32_t(f.red()) | (int32_t(f.green()) << 8) | (int32_t(f.blue()) << 16);
}
