// The mouse on the sheet: the pointer position in the caption, Shift+click
// adds a point there, Ctrl+click deletes the function or point under it.

#include "app_info.h"
#include "core/error_log.h"
#include "core/label_drag.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/sheet_widget.h"
#include "main_window/main_window.h"

#include <QMouseEvent>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int32_t KreuzFarbe = 0x4000;  // the colour of point crosses

// Hands the sheet's mouse moves and button releases to the main window.
class BlattMaus : public QObject {
public:
    explicit BlattMaus(frmTessarolen& f) : QObject(&f), f_(f) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        const auto mm = [](const QMouseEvent* m) { return m->position() / SheetWidget::PixelProMm(); };
        switch (e->type()) {
        case QEvent::MouseMove: {
            const QPointF p = mm(static_cast<QMouseEvent*>(e));
            f_.picSchaubild_MouseMove(float(p.x()), float(p.y()));
            return true;
        }
        case QEvent::MouseButtonPress:
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* m = static_cast<QMouseEvent*>(e);
            const QPointF p = mm(m);
            f_.picSchaubild_MouseUp(m->button(), m->modifiers(), float(p.x()), float(p.y()));
            return true;
        }
        default:
            return false;
        }
    }

private:
    frmTessarolen& f_;
};

// A value rounded half to even to one decimal, never -0.
float EineStelle(double v) { return float(RundeGerade(v, 1)) + 0.0f; }

// Asks for each candidate in turn; all answered "Ja" are marked, one "Nein"
// marks none.
std::vector<bool> Bestätigt(Plattform& p, int16_t anzahl, const std::function<bool(int16_t)>& getroffen,
                            const std::function<QString(int16_t)>& frage)
{
    std::vector<bool> markiert(size_t(anzahl) + 1, false);
    for (int16_t i = 1; i <= anzahl; ++i) {
        if (!getroffen(i))
            continue;
        if (p.MsgBox(frage(i), MsgSymbol::Frage, MsgKnoepfe::JaNein, QStringLiteral("Frage...")) !=
            MsgAntwort::Ja)
            return std::vector<bool>(size_t(anzahl) + 1, false);
        markiert[size_t(i)] = true;
    }
    return markiert;
}

}  // namespace

void frmTessarolen::MausAnschließen()
{
    picSchaubild->setMouseTracking(true);
    picSchaubild->installEventFilter(new BlattMaus(*this));
}

void frmTessarolen::picSchaubild_MouseMove(float X, float Y)
{
    Falle falle(z_, QStringLiteral("frmTessarolen:picSchaubild_MouseMove"));
    falle([&] {
        const QPointF le = OrtInLE(*kern_, X, Y);
        MausX = EineStelle(le.x());
        MausY = EineStelle(le.y());
    });
    falle([&] {
        setWindowTitle(QString::fromLatin1(app_info::Name) +
                       QStringLiteral(" *** aktuelle Mauskoordinaten:(") + ZahlTextSingle(MausX) +
                       QStringLiteral("/") + ZahlTextSingle(MausY) + QStringLiteral(")"));
    });
}

void frmTessarolen::picSchaubild_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers Shift, float X,
                                         float Y)
{
    Falle falle(z_, QStringLiteral("frmTessarolen:picSchaubild_MouseUp"));
    GraphCore& k = *kern_;
    Plattform& p = *z_.plattform;
    const Qt::KeyboardModifiers taste =
        Shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);

    if (taste == Qt::ShiftModifier) {
        if (z_.AnzPkt >= MaxPkt) {
            falle([&] {
                p.MsgBox(QStringLiteral("Es sind maximal %1 Punkte möglich!").arg(MaxPkt),
                         MsgSymbol::Information, MsgKnoepfe::OK, QStringLiteral("Hinweis..."));
            });
            return;
        }
        z_.AnzPkt += 1;
        k.PunktEintragen(falle, z_.AnzPkt, MausX, MausY, QStringLiteral("P"));
        return;
    }
    if (taste != Qt::ControlModifier)
        return;

    int32_t farbe = -1;
    // The colour of the pixel under the pointer, read at its centre: its
    // edge, a float of millimetres, may fall into the pixel before it.
    const float halb = float(0.5 / SheetWidget::PixelProMm());
    falle([&] { farbe = picSchaubild->Flaeche().Point(X + halb, Y + halb); });
    const auto fktGetroffen = [&](int16_t i) { return k.fkt.Farbe[size_t(i)] == farbe; };
    bool fktFarbe = false;
    for (int16_t i = 1; i <= z_.AnzFkt; ++i)
        fktFarbe = fktFarbe || fktGetroffen(i);

    if (fktFarbe) {
        std::vector<bool> markiert;
        falle([&] {
            markiert = Bestätigt(p, z_.AnzFkt, fktGetroffen, [&](int16_t i) {
                return QStringLiteral("Funktion: ") + k.fkt.FktText[size_t(i)] +
                       QStringLiteral(" löschen?");
            });
        });
        if (std::find(markiert.begin(), markiert.end(), true) != markiert.end())
            k.FunktionenEntfernen(falle, [&](int16_t i) { return markiert[size_t(i)]; });
    } else if (farbe == KreuzFarbe) {
        const auto pktGetroffen = [&](int16_t i) {
            const float x = k.pkt.PktX[size_t(i)], y = k.pkt.PktY[size_t(i)];
            return x - 0.1f <= MausX && MausX <= x + 0.1f && y - 0.1f <= MausY && MausY <= y + 0.1f;
        };
        std::vector<bool> markiert;
        falle([&] {
            markiert = Bestätigt(p, z_.AnzPkt, pktGetroffen, [&](int16_t i) {
                return QStringLiteral("Punkt ") + k.pkt.PktName[size_t(i)] + QString::number(i) +
                       QStringLiteral(" löschen?");
            });
        });
        if (std::find(markiert.begin(), markiert.end(), true) != markiert.end())
            k.PunkteEntfernen(falle, [&](int16_t i) { return markiert[size_t(i)]; });
    }
}
