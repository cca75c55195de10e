// The commands of the "Simulationen" menu: each puts the simulation window
// up for its kind with the start values of its bars, texts and equation,
// and shows it modally. Whether the curve is kept is settled by the window.

#include "core/error_log.h"
#include "core/number_text.h"
#include "core/runtime_error.h"
#include "core/scroll_bar.h"
#include "core/twips.h"
#include "main_window/main_window.h"
#include "simulation/simulation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A row's start: name, bar range (maximum at the bottom end, minimum at the
// top end) and value, and its text: the value times a step width as float
// text (schritt >= 0) or the value as integer text.
struct Startreihe {
    const char* name;
    int16_t maximum, minimum;
    int erstSchritt;  // step width k whose n(k) is the start value; -1: 0
    int schritt;      // step width of the text; -1: integer text
};

struct Start {
    const char* handler;
    SimArt art;
    int okOben, höhe;
    Startreihe reihen[3];
};

const Start kStarts[3] = {
    {"mnuSimGerade_Click", SimArt::Gerade, 1540, 2400,
     {{"m", -1000, 1000, 0, 0}, {"b", -100, 100, -1, -1}, {nullptr, 0, 0, -1, -1}}},
    {"mnuSimAllgParabel_Click", SimArt::AllgParabel, 2040, 2925,
     {{"a", -100, 100, 2, 2}, {"xs", -100, 100, -1, -1}, {"ys", -100, 100, -1, -1}}},
    {"mnuSimParabel_Click", SimArt::NormParabel, 1540, 2400,
     {{"xs", -100, 100, -1, -1}, {"ys", -100, 100, -1, -1}, {nullptr, 0, 0, -1, -1}}},
};

}  // namespace

frmSimulation& frmTessarolen::Simulation()
{
    return HoleFenster<frmSimulation>(simulation_, z_, *kern_, this);
}

frmSimulation& frmTessarolen::SimulationEinrichten(SimArt art)
{
    const Start& s = kStarts[static_cast<int>(art)];
    Falle falle(z_, QStringLiteral("frmTessarolen:") + QString::fromLatin1(s.handler));
    frmSimulation* w = nullptr;
    falle([&] {
        w = &Simulation();
        w->NeueVorführung();
    });
    if (!w)
        return Simulation();
    falle([&] { w->setWindowTitle(SimCaption(art)); });
    falle([&] { w->SetzeLage(9300, 550); });
    const bool dritte = s.reihen[2].name != nullptr;
    falle([&] {
        w->labEingabe3->setVisible(dritte);
        w->txtEingabe3->setVisible(dritte);
        w->VScroll3->setVisible(dritte);
    });
    falle([&] {
        w->cmdOK->move(w->cmdOK->x(), Px(s.okOben));
        w->SetzeHöhe(s.höhe);
    });
    QLabel* namen[3] = {w->labEingabe1, w->labEingabe2, w->labEingabe3};
    QLineEdit* felder[3] = {w->txtEingabe1, w->txtEingabe2, w->txtEingabe3};
    Bildlaufleiste* leisten[3] = {w->VScroll1, w->VScroll2, w->VScroll3};
    QString t[3];
    for (int k = 0; k < (dritte ? 3 : 2); ++k) {
        const Startreihe& r = s.reihen[k];
        falle([&] {
            // n(k): the whole number nearest to 1 / step width, taken as a
            // 32-bit float, ties to even (0.08 gives 12.5 and so 12).
            const int16_t wert =
                r.erstSchritt < 0
                    ? 0
                    : AlsInteger(AlsSingle(Teile(1.0, z_.Schrittweite.at(size_t(r.erstSchritt)))));
            // The range, then the value: each setting that moves the value
            // runs the bar's handler at once, one that leaves it runs none.
            leisten[k]->SetzeBereich(r.minimum, r.maximum);
            leisten[k]->SetzeValue(wert);
        });
        falle([&] { namen[k]->setText(QString::fromLatin1(r.name)); });
        falle([&] {
            const int16_t wert = leisten[k]->Value();
            t[k] = r.schritt < 0 ? QString::number(wert)
                                 : SimWertText(wert, z_.Schrittweite.at(size_t(r.schritt)));
            felder[k]->setText(t[k]);
        });
    }
    falle([&] {
        const QString q = QStringLiteral(")² + ");
        if (art == SimArt::Gerade)
            w->labGleichung->setText(QStringLiteral("y = ") + t[0] + QStringLiteral("x + ") + t[1]);
        else if (art == SimArt::AllgParabel)
            w->labGleichung->setText(QStringLiteral("y = ") + t[0] + QStringLiteral("(x - ") + t[1] + q +
                                     t[2]);
        else
            w->labGleichung->setText(QStringLiteral("y = (x - ") + t[0] + q + t[1]);
    });
    return *w;
}

namespace {
void Simuliere(frmTessarolen& f, Programmzustand& z, SimArt art, const char* handler)
{
    frmSimulation& w = f.SimulationEinrichten(art);
    Falle falle(z, QStringLiteral("frmTessarolen:") + QString::fromLatin1(handler));
    falle([&] { w.ZeigeModal(); });
}
}  // namespace

void frmTessarolen::mnuSimGerade_Click() { Simuliere(*this, z_, SimArt::Gerade, "mnuSimGerade_Click"); }

void frmTessarolen::mnuSimAllgParabel_Click()
{
    Simuliere(*this, z_, SimArt::AllgParabel, "mnuSimAllgParabel_Click");
}

void frmTessarolen::mnuSimParabel_Click()
{
    Simuliere(*this, z_, SimArt::NormParabel, "mnuSimParabel_Click");
}
