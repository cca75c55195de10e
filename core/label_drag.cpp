#include "core/label_drag.h"

#include "core/cursor_file.h"
#include "core/graph_core.h"
#include "core/sheet_widget.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace {
// Twips per millimetre of a label's mouse position.
constexpr double TwipsProMm = 56.6928560937915;
constexpr double TwipsProPixel = 15.0;

QString Zeigerdatei(const GraphCore& k, const char* name)
{
    return k.z.Programmpfad + QString::fromLatin1(name);
}

// The label's size on the sheet at full size (mm): the larger of its sizes in
// the two views, since its type does not shrink exactly by half.
QSizeF GrößeAufDemBlatt(const QLabel& l, double zoom)
{
    const double proMm = SheetWidget::PixelProMm();
    QSizeF größe = QSizeF(l.size()) / (proMm * zoom);
    for (const double ansicht : {1.0, 0.5}) {
        QFont schrift = l.font();
        schrift.setPointSizeF(schrift.pointSizeF() / zoom * ansicht);
        größe = größe.expandedTo(QSizeF(QFontMetrics(schrift).size(0, l.text())) / (proMm * ansicht));
    }
    return größe;
}
}  // namespace

QPointF AufDemBlatt(const GraphCore& k, QPointF gezeigt)
{
    return {(gezeigt.x() - k.MitteX - k.OffsetX / 2.0) / k.Zoom + k.MitteX,
            (gezeigt.y() - k.MitteY + k.OffsetY) / k.Zoom + k.MitteY};
}

QPointF BlattInLE(const GraphCore& k, QPointF blatt)
{
    const double E = k.z.Einheit;
    return {(blatt.x() - k.MitteX + 0.5) / E, (k.MitteY - blatt.y()) / E};
}

QPointF OrtInLE(const GraphCore& k, float X, float Y)
{
    return BlattInLE(k, AufDemBlatt(k, QPointF(X, Y)));
}

QPointF InDenRändern(QPointF ecke, QSizeF label, QSizeF blatt)
{
    double links = ecke.x(), oben = ecke.y();
    if (links < 10.0)
        links = 10.0;
    if (oben < 18.5)
        oben = 18.5;
    if (links + label.width() > blatt.width() - 10.0)
        links = blatt.width() - label.width() - 9.9;
    if (oben + label.height() > blatt.height() - 18.5)
        oben = blatt.height() - label.height() - 18.35;
    return {links, oben};
}

BeschriftungZiehen::BeschriftungZiehen(GraphCore& kern, QLabel& label, bool funktion, int16_t index)
    : QObject(&label), k_(kern), l_(label), funktion_(funktion), index_(index)
{
    label.installEventFilter(this);
    if (const auto zeiger = LadeCursor(Zeigerdatei(k_, "harrow.cur")))
        label.setCursor(*zeiger);
}

BeschriftungZiehen::~BeschriftungZiehen() { Ende(); }

// The label's mouse events are its own: they do not reach the sheet below.
bool BeschriftungZiehen::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt != &l_)
        return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!gedrückt_) {
            gedrückt_ = true;
            druckOrt_ = m->position();
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!gedrückt_ || m->buttons() == Qt::NoButton)
            return true;
        if (!zieht_) {
            if ((m->position() - druckOrt_).manhattanLength() < QApplication::startDragDistance())
                return true;
            LabelDragBeginnen(druckOrt_);
        }
        // The label follows the pointer, held where it was taken.
        const QPoint imBlatt = k_.picSchaubild.mapFromGlobal(m->globalPosition().toPoint());
        l_.move(imBlatt - druckOrt_.toPoint());
        ZeigerSetzen(ÜberBlatt(m->globalPosition().toPoint()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->buttons() != Qt::NoButton)
            return true;
        if (zieht_) {
            const QPoint global = m->globalPosition().toPoint();
            if (ÜberBlatt(global))
                LabelAblegen(QPointF(k_.picSchaubild.mapFromGlobal(global)) /
                             SheetWidget::PixelProMm());
            else
                l_.move(startOrt_);
        }
        Ende();
        return true;
    }
    default:
        return false;
    }
}

void BeschriftungZiehen::LabelDragBeginnen(QPointF imLabel)
{
    GriffX = float(imLabel.x() * TwipsProPixel / TwipsProMm);
    GriffY = float(imLabel.y() * TwipsProPixel / TwipsProMm);
    zieht_ = true;
    startOrt_ = l_.pos();
    l_.raise();
    bewegen_ = LadeCursor(Zeigerdatei(k_, "hmove.cur"));
    QApplication::setOverrideCursor(bewegen_.value_or(QCursor(Qt::ArrowCursor)));
}

// Over the sheet the move pointer, anywhere else the no-drop pointer.
void BeschriftungZiehen::ZeigerSetzen(bool überBlatt)
{
    QApplication::changeOverrideCursor(überBlatt ? bewegen_.value_or(QCursor(Qt::ArrowCursor))
                                                 : QCursor(Qt::ForbiddenCursor));
}

// The part of the sheet that shows in its window.
bool BeschriftungZiehen::ÜberBlatt(QPoint global) const
{
    const QWidget& blatt = k_.picSchaubild;
    QRect sichtbar = blatt.rect();
    for (const QWidget* w = &blatt; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        const QWidget* eltern = w->parentWidget();
        sichtbar &= QRect(blatt.mapFrom(eltern, QPoint(0, 0)), eltern->size());
    }
    return sichtbar.contains(blatt.mapFromGlobal(global));
}

// The drop at (X, Y), in mm of the surface as shown: the label's corner where
// the pointer holds it, on the sheet at full size and kept inside its
// margins there, so that it stays on the paper in either view; that corner
// is stored.
void BeschriftungZiehen::LabelAblegen(QPointF gezeigt)
{
    const Ausgabe& fläche = k_.picSchaubild.Flaeche();
    const QPointF ecke = InDenRändern(AufDemBlatt(k_, gezeigt - QPointF(GriffX, GriffY)),
                                      GrößeAufDemBlatt(l_, k_.Zoom),
                                      QSizeF(fläche.ScaleWidth(), fläche.ScaleHeight()));
    const QPointF le = BlattInLE(k_, ecke);
    l_.move(SheetWidget::AlsPixel(k_.XPos(float(ecke.x() - k_.MitteX))),
            SheetWidget::AlsPixel(k_.YPos(float(k_.MitteY - ecke.y()))));
    auto& x = funktion_ ? k_.fkt.FktLabelX : k_.pkt.PktLabelX;
    auto& y = funktion_ ? k_.fkt.FktLabelY : k_.pkt.PktLabelY;
    x[size_t(index_)] = float(le.x());
    y[size_t(index_)] = float(le.y());
    l_.unsetCursor();
    if (const auto zeiger = LadeCursor(Zeigerdatei(k_, "harrow.cur")))
        l_.setCursor(*zeiger);
}

void BeschriftungZiehen::Ende()
{
    if (zieht_)
        QApplication::restoreOverrideCursor();
    zieht_ = false;
    gedrückt_ = false;
}
