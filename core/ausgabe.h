#pragma once
// The drawing target of every drawing operation: the sheet on screen or the
// printer page. Measured in millimetres, origin top left, y downwards.
// Colours are &HBBGGRR values (red in the low byte).

#include <QByteArray>
#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

QColor AlsQColor(int32_t bbggrr);
int32_t AlsFarbwert(QColor farbe);

class Ausgabe {
public:
    virtual ~Ausgabe() = default;

    // Current state, read and set by the drawing code.
    int DrawWidth = 1;        // line width in whole device pixels, at least 1
    int32_t ForeColor = 0;    // text and lines drawn without a colour
    bool FontBold = false;
    float FontSize = 8.25f;   // points
    QString FontName = QStringLiteral("Arial");
    float CurrentX = 0.0f;    // current point in mm
    float CurrentY = 0.0f;

    // Straight line in DrawWidth; (x2, y2) becomes the current point.
    virtual void Line(float x1, float y1, float x2, float y2,
                      std::optional<int32_t> farbe = std::nullopt) = 0;
    // Line from the current point.
    void LineTo(float x2, float y2, std::optional<int32_t> farbe = std::nullopt)
    {
        Line(CurrentX, CurrentY, x2, y2, farbe);
    }
    // One dot of the current DrawWidth; (x, y) becomes the current point.
    virtual void PSet(float x, float y, int32_t farbe) = 0;
    // Text with its top left corner at the current point, in ForeColor.
    virtual void Print(const QString& text) = 0;
    // Width of the text in the current font, in mm.
    virtual float TextWidth(const QString& text) = 0;
    // A length in mm as device pixels.
    virtual double ScaleX(double mm) const = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    // Erases the whole picture (the sheet only).
    virtual void Cls() = 0;
    // Colour of the pixel at (x, y); -1 where there is none (printer, outside).
    virtual int32_t Point(float x, float y) = 0;
    virtual bool IstDrucker() const = 0;

    // The grid, axes and heading change only with the unit, the view and the
    // heading, so a target may keep their picture under a key of these.
    // HintergrundMerken keeps the present picture and drawing state;
    // HintergrundHolen puts them back and answers true when a picture is kept
    // under that key (the printer keeps none).
    virtual bool HintergrundHolen(const QByteArray&) { return false; }
    virtual void HintergrundMerken(const QByteArray&) {}
};
