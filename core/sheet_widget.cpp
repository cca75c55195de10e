#include "core/sheet_widget.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
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

int SheetWidget::AlsPixel(double mm) { return int(std::lround(mm * PixelProMm())); }

void SheetWidget::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const QImage& bild = flaeche_.Bild();
    const qreal r = flaeche_.PixelVerhaeltnis();
    maler.drawImage(QRectF(0, 0, bild.width() / r, bild.height() / r), bild);
    flaeche_.Gezeigt();
}
