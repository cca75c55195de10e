#include "main_window/resize_form.h"

#include "main_window/picture_box.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>
#include <cmath>
#include <optional>
#include <vector>

namespace {

enum class Art { Linie, Textfeld, SenkrechteLeiste, WaagerechteLeiste, Sonstige };

Art ArtVon(const QWidget& w)
{
    if (auto* leiste = qobject_cast<const QScrollBar*>(&w))
        return leiste->orientation() == Qt::Vertical ? Art::SenkrechteLeiste : Art::WaagerechteLeiste;
    if (qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QTextEdit*>(&w)
        || qobject_cast<const QPlainTextEdit*>(&w))
        return Art::Textfeld;
    if (auto* rahmen = qobject_cast<const QFrame*>(&w);
        rahmen && !qobject_cast<const QLabel*>(&w)
        && (rahmen->frameShape() == QFrame::HLine || rahmen->frameShape() == QFrame::VLine))
        return Art::Linie;
    return Art::Sonstige;
}

// A picture shows no text and has no font of its own.
bool HatSchrift(const QWidget& w)
{
    auto* bild = qobject_cast<const QLabel*>(&w);
    return !(bild && bild->text().isEmpty() && !bild->pixmap().isNull())
           && !dynamic_cast<const Bildfeld*>(&w);
}

// The product, or nothing when the window system would refuse it.
std::optional<int> Mal(int wert, float faktor, bool istGroesse)
{
    const double v = std::round(double(wert) * double(faktor));
    if (!std::isfinite(v) || std::fabs(v) > QWIDGETSIZE_MAX || (istGroesse && v < 0))
        return std::nullopt;
    return int(v);
}

struct Maße {
    bool oben = true, links = true, höhe = true, breite = true;
};

void Skaliere(QWidget& w, float x, float y, Maße was)
{
    QRect g = w.geometry();
    if (auto v = Mal(g.height(), y, true); v && was.höhe)
        g.setHeight(*v);
    if (auto v = Mal(g.top(), y, false); v && was.oben)
        g.moveTop(*v);
    if (auto v = Mal(g.width(), x, true); v && was.breite)
        g.setWidth(*v);
    if (auto v = Mal(g.left(), x, false); v && was.links)
        g.moveLeft(*v);
    w.setGeometry(g);
}

void SchriftSkalieren(QWidget& w, QFont f, float y)
{
    f.setFamily(QStringLiteral("Tahoma"));
    if (f.pointSizeF() > 0) {
        const double neu = f.pointSizeF() * double(y);
        if (neu > 0 && std::isfinite(neu) && neu < 10000)
            f.setPointSizeF(neu);
    } else if (f.pixelSize() > 0) {
        if (auto v = Mal(f.pixelSize(), y, true); v && *v > 0)
            f.setPixelSize(*v);
    }
    w.setFont(f);
}

}  // namespace

void ResizeForm(QWidget& frm, float x, float y)
{
    Skaliere(frm, x, y, {});

    struct Steuerelement {
        QWidget* w;
        QFont schrift;
    };
    // Fonts are read before any is set: a control that takes its font from
    // its frame must not see the frame's font scaled already.
    std::vector<Steuerelement> liste;
    for (QWidget* w : frm.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !w->isWindow())
            liste.push_back({w, w->font()});
    }

    for (auto& [w, schrift] : liste) {
        switch (ArtVon(*w)) {
        case Art::Linie: {
            const bool waagerecht = static_cast<QFrame*>(w)->frameShape() == QFrame::HLine;
            Skaliere(*w, x, y, {.höhe = !waagerecht, .breite = waagerecht});
            break;
        }
        case Art::Textfeld:
            Skaliere(*w, x, y, {});
            break;
        case Art::SenkrechteLeiste:
            Skaliere(*w, x, y, {.breite = false});
            break;
        case Art::WaagerechteLeiste:
            Skaliere(*w, x, y, {.höhe = false});
            break;
        case Art::Sonstige:
            if (HatSchrift(*w))
                SchriftSkalieren(*w, schrift, y);
            Skaliere(*w, x, y, {});
            break;
        }
    }
}
