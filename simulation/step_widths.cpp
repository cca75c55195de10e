#include "simulation/step_widths.h"

#include "core/error_log.h"
#include "core/number_text.h"
#include "core/program_state.h"
#include "core/scroll_bar.h"
#include "core/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct Leiste {
    const char* caption;
    int16_t oben;   // larger bound, at the top
    int16_t unten;  // smaller bound
    int16_t start;
    int16_t pfeil;
    int16_t seite;
};
constexpr Leiste kLeisten[5] = {
    {"Schrittweite Steigung m:", 10, 1, 5, 1, 1},
    {"Schrittweite Achsenabschnitt b:", 100, 5, 50, 5, 10},
    {"Schrittweite Dehnungsfaktor a:", 10, 1, 5, 1, 1},
    {"Schrittweite Scheitelkoordinate xs:", 100, 5, 50, 5, 5},
    {"Schrittweite Scheitelkoordinate ys:", 100, 10, 50, 5, 5},
};
}  // namespace

frmSchrittweiten::frmSchrittweiten(Programmzustand& zustand, QWidget* eltern)
    : Dialogfenster(eltern), z_(zustand)
{
    setObjectName(QStringLiteral("frmSchrittweiten"));
    setWindowTitle(QStringLiteral("Schrittweiten einstellen"));
    setFixedSize(Px(5400), Px(4200));
    auto* gerade = new QGroupBox(QStringLiteral("Gerade"), this);
    gerade->setObjectName(QStringLiteral("Frame1"));
    gerade->setGeometry(Px(120), Px(120), Px(5160), Px(1320));
    auto* parabeln = new QGroupBox(QStringLiteral("Parabeln"), this);
    parabeln->setObjectName(QStringLiteral("Frame2"));
    parabeln->setGeometry(Px(120), Px(1560), Px(5160), Px(1800));
    for (int i = 0; i < 5; ++i) {
        QGroupBox* rahmen = i < 2 ? gerade : parabeln;
        const int top = Px(360 + 480 * (i < 2 ? i : i - 2));
        labEingabe1[i] = new QLabel(QString::fromUtf8(kLeisten[i].caption), rahmen);
        labEingabe1[i]->setObjectName(QStringLiteral("labEingabe1_%1").arg(i));
        labEingabe1[i]->setGeometry(Px(120), top, Px(3135), Px(375));
        txtEingabe1[i] = new QLineEdit(rahmen);
        txtEingabe1[i]->setObjectName(QStringLiteral("txtEingabe1_%1").arg(i));
        txtEingabe1[i]->setReadOnly(true);
        txtEingabe1[i]->setGeometry(Px(3360), top, Px(855), Px(375));
        VScroll1[i] = new Bildlaufleiste(rahmen);
        VScroll1[i]->setObjectName(QStringLiteral("VScroll1_%1").arg(i));
        VScroll1[i]->setGeometry(Px(4320), top - Px(30), Px(255), Px(435));
        VScroll1[i]->setTracking(false);  // a step width changes when the thumb is released
        VScroll1[i]->setFocusPolicy(Qt::StrongFocus);  // Tab and click; arrows and pages by keys
        VScroll1[i]->SetzeBereich(kLeisten[i].oben, kLeisten[i].unten);
        VScroll1[i]->SetzeSmallChange(kLeisten[i].pfeil);
        VScroll1[i]->SetzeLargeChange(kLeisten[i].seite);
        VScroll1[i]->SetzeValue(kLeisten[i].start);
        VScroll1[i]->Change = [this, i] { VScroll1_Change(i); };
    }
    cmdOK = new QPushButton(QStringLiteral("Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Px(3960), Px(3480), Px(1095), Px(375));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    Form_Load();
}

void frmSchrittweiten::Form_Load()
{
    for (int i = 0; i < 5; ++i) {
        z_.Schrittweite[i] = float(VScroll1[i]->Value()) / 100.0f;
        txtEingabe1[i]->setText(ZweiStellenText(z_.Schrittweite[i]));
    }
}

void frmSchrittweiten::VScroll1_Change(int Index)
{
    z_.Schrittweite[Index] = float(VScroll1[Index]->Value()) / 100.0f;
    txtEingabe1[Index]->setText(ZahlTextSingle(z_.Schrittweite[Index]));
}

void frmSchrittweiten::cmdOK_Click()
{
    Falle falle(z_, QStringLiteral("frmSchrittweiten:cmdOK_Click"));
    falle([&] { hide(); });
}
