#include "tests/support/recording_surface.h"

#include <QStringList>

void AufzeichnendeFlaeche::Line(float x1, float y1, float x2, float y2, std::optional<int32_t> f)
{
    ops.push_back({Aufgezeichnet::Linie, x1, y1, x2, y2, f.value_or(ForeColor), DrawWidth, {}, FontSize});
    CurrentX = x2, CurrentY = y2;
}

void AufzeichnendeFlaeche::PSet(float x, float y, int32_t f)
{
    ops.push_back({Aufgezeichnet::Punkt, x, y, x, y, f, DrawWidth, {}, FontSize});
    CurrentX = x, CurrentY = y;
}

void AufzeichnendeFlaeche::Print(const QString& text)
{
    ops.push_back({Aufgezeichnet::Textausgabe, CurrentX, CurrentY, CurrentX, CurrentY, ForeColor, DrawWidth, text, FontSize});
}

QStringList AufzeichnendeFlaeche::Texte() const
{
    QStringList t;
    for (const auto& o : ops)
        if (o.art == Aufgezeichnet::Textausgabe)
            t << o.text;
    return t;
}
