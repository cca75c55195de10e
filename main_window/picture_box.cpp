#include "main_window/picture_box.h"

#include <QPainter>

void Bildfeld::SetzeBild(const QPixmap& bild)
{
    bild_ = bild;
    update();
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    if (bild_.isNull() || width() <= 0 || height() <= 0)
        return;
    // The part of the picture with the control's proportions, centred.
    const QSizeF quelle = QSizeF(size()).scaled(bild_.size(), Qt::KeepAspectRatio);
    const QRectF ausschnitt((bild_.width() - quelle.width()) / 2, (bild_.height() - quelle.height()) / 2,
                            quelle.width(), quelle.height());
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRectF(rect()), bild_, ausschnitt);
}
