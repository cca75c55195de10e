#pragma once
// The printer page as drawing target: QPainter on a QPrinter, measured in
// millimetres from the top left corner of the printable area.

#include "core/ausgabe.h"

#include <QFont>

class QPainter;
class QPaintDevice;

class Druckerflaeche : public Ausgabe {
public:
    // maler is active on the printer (or any paint device of the page);
    // aufloesung is its resolution in dots per inch; breite and hoehe the
    // printable area in device pixels.
    Druckerflaeche(QPainter& maler, int aufloesung, int breitePx, int hoehePx);

    void Line(float x1, float y1, float x2, float y2, std::optional<int32_t> farbe) override;
    void PSet(float x, float y, int32_t farbe) override;
    void Print(const QString& text) override;
    float TextWidth(const QString& text) override;
    double ScaleX(double mm) const override { return mm * pixelProMm_; }
    float ScaleWidth() const override { return breiteMm_; }
    float ScaleHeight() const override { return hoeheMm_; }
    void Cls() override {}
    int32_t Point(float, float) override { return -1; }
    bool IstDrucker() const override { return true; }

private:
    QFont schrift() const;
    QPainter& maler_;
    double pixelProMm_;
    float breiteMm_;
    float hoeheMm_;
};
