#pragma once
// The sheet picSchaubild: a widget that shows the retained picture of the
// screen surface and carries the labels of points and functions.

#include "core/screen_surface.h"

#include <QWidget>

class SheetWidget : public QWidget {
    Q_OBJECT
public:
    explicit SheetWidget(QWidget* eltern = nullptr, qreal pixelVerhaeltnis = 0.0);

    Bildschirmflaeche& Flaeche() { return flaeche_; }
    // Logical pixels per millimetre of the sheet (96 dots per inch).
    static double PixelProMm() { return 96.0 / 25.4; }
    // Position in logical pixels of a point of the sheet given in mm.
    static int AlsPixel(double mm);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Bildschirmflaeche flaeche_;
};
