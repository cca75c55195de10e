#include "core/sheet_widget.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
qreal bildschirmVerhaeltnis(qreal vorgabe)
{
    if (vorgabe > 0.0)
        return vorgabe;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}
}  // namespace

SheetWidget::SheetWidget(QWidget* eltern, qreal pixelVerhaeltnis)
    : QWidget(eltern), flaeche_(200.0f, 297.0f, bildschirmVerhaeltnis(pixelVerhaeltnis))
{
    setObjectName(QStringLiteral("picSchaubild"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(AlsPixel(200.0), AlsPixel(297.0));
    flaeche_.SetzeAenderungsMelder([this] { update(); });
}

int SheetWidget::AlsPixel(double mm)
{
    // Far off the sheet a position is held at a million pixels.
    const double px = std::clamp(mm * PixelProMm(), -1.0e6, 1.0e6);
    return int(std::lround(std::isnan(px) ? 0.0 : px));
}

void SheetWidget::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const QImage& bild = flaeche_.Bild();
    const qreal r = flaeche_.PixelVerhaeltnis();
    maler.drawImage(QRectF(0, 0, bild.width() / r, bild.height() / r), bild);
    flaeche_.Gezeigt();
}
