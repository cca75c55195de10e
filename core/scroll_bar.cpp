#include "core/scroll_bar.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

Bildlaufleiste::Bildlaufleiste(QWidget* eltern) : QScrollBar(Qt::Vertical, eltern)
{
    setRange(0, 32767);
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (Change)
            Change();
    });
}

void Bildlaufleiste::SetzeBereich(int16_t min, int16_t max)
{
    const int16_t alt = Value();
    min_ = min;
    max_ = max;
    // Qt's up arrow lowers its value; with the larger bound at the top the
    // bar runs on the negated value, so that the up arrow raises ours.
    const QSignalBlocker sperre(this);
    if (umgekehrt())
        setRange(-min_, -max_);
    else
        setRange(min_, max_);
    const int16_t lo = umgekehrt() ? max_ : min_;
    const int16_t hi = umgekehrt() ? min_ : max_;
    const int16_t neu = alt < lo ? lo : (alt > hi ? hi : alt);
    setValue(umgekehrt() ? -neu : neu);
    if (neu != alt && Change)
        Change();
}

int16_t Bildlaufleiste::Value() const
{
    return int16_t(umgekehrt() ? -value() : value());
}

void Bildlaufleiste::SetzeValue(int16_t v) { setValue(umgekehrt() ? -v : v); }

void Bildlaufleiste::Loslassen()
{
    tasteLosgelassen_ = true;
    setRepeatAction(SliderNoAction);
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(), mapToGlobal(QPointF()), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &los);
}

namespace {
// Keys that change the others' meaning: pressed alone they leave a held key
// repeating, so they do not count as a key pressed anew.
bool Umschalttaste(int taste)
{
    switch (taste) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}
}  // namespace

// The repeats of a key held down since the bar let go are swallowed; a key
// pressed anew, or the held one released, ends that.
void Bildlaufleiste::keyPressEvent(QKeyEvent* e)
{
    if (!e->isAutoRepeat() && !Umschalttaste(e->key())) {
        gehalteneTaste_ = e->key();
        tasteLosgelassen_ = false;
    } else if (e->isAutoRepeat() && tasteLosgelassen_) {
        e->accept();
        return;
    }
    QScrollBar::keyPressEvent(e);
}

void Bildlaufleiste::keyReleaseEvent(QKeyEvent* e)
{
    if (!e->isAutoRepeat() && e->key() == gehalteneTaste_) {
        gehalteneTaste_ = 0;
        tasteLosgelassen_ = false;
    }
    QScrollBar::keyReleaseEvent(e);
}

// Over the arrows the frame the style draws around a control with the focus,
// as on the buttons and fields beside the bar.
void Bildlaufleiste::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect rahmen;
    rahmen.initFrom(this);
    rahmen.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &rahmen, &p, this);
}
