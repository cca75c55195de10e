#pragma once
// A picture on a window: shows its picture filling the whole control,
// scaled with its proportions kept and cut at the longer side.

#include <QPixmap>
#include <QWidget>

class Bildfeld : public QWidget {
public:
    explicit Bildfeld(QWidget* eltern = nullptr) : QWidget(eltern) {}
    void SetzeBild(const QPixmap& bild);
    const QPixmap& Bild() const { return bild_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap bild_;
};
