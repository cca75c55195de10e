#include "core/selection_dialogs.h"

#include "core/error_log.h"
#include "core/twips.h"

#include <QEvent>
#include <QPushButton>

namespace {

// Design layout in twips: the entries in one column from the top, the
// buttons stacked below the first entry.
constexpr int Rand = 120;
constexpr int Breite = 3360;
constexpr int EintragHoehe = 375;
constexpr int KnopfHoehe = 255;
constexpr int Abstand = 40;

QPushButton* Knopf(QWidget& dialog, const QString& name, const QString& text, int oben)
{
    auto* k = new QPushButton(text, &dialog);
    k->setObjectName(name);
    k->setGeometry(Px(Rand), Px(oben), Px(Breite), Px(KnopfHoehe));
    return k;
}

}  // namespace

WahlDialog::WahlDialog(Programmzustand& zustand, QString fenster, const QString& chkName,
                       const QStringList& beschriftungen)
    : Einträge(*this, chkName), z_(zustand), fenster_(std::move(fenster))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    int oben = EintragHoehe;
    for (int i = 0; i < beschriftungen.size(); ++i) {
        QPushButton* k = Knopf(*this, QStringLiteral("cmdAktion_%1").arg(i), beschriftungen[i], oben);
        connect(k, &QPushButton::clicked, this, [this, i] { cmdAktion_Click(i); });
        aktionen_.push_back(k);
        oben += KnopfHoehe;
    }
    oben += Abstand;
    abbrechen_ = Knopf(*this, QStringLiteral("cmdAbbrechen"), QStringLiteral("Abbrechen"), oben);
    connect(abbrechen_, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
    resize(Px(2 * Rand + Breite), Px(oben + KnopfHoehe + 3 * Abstand));
}

QPushButton& WahlDialog::cmdAktion(int Index) const
{
    if (Index < 0 || Index >= AnzahlAktionen())
        throw LaufzeitFehler(340, QStringLiteral("Steuerelementfeld-Element '%1' existiert nicht")
                                      .arg(Index));
    return *aktionen_[static_cast<size_t>(Index)];
}

void WahlDialog::cmdAktion_Click(int Index)
{
    Falle falle(z_, fenster_ + QStringLiteral(":cmdAktion_Click"));
    falle([&] { hide(); });
    falle([&] {
        if (Aktion)
            Aktion(Index);
    });
}

void WahlDialog::cmdAbbrechen_Click()
{
    Falle falle(z_, fenster_ + QStringLiteral(":cmdAbbrechen_Click"));
    falle([&] { hide(); });
}

void WahlDialog::Form_Activate()
{
    Falle falle(z_, fenster_ + QStringLiteral(":Form_Activate"));
    falle([&] { abbrechen_->setFocus(Qt::ActiveWindowFocusReason); });
}

bool WahlDialog::event(QEvent* e)
{
    const bool erledigt = Dialogfenster::event(e);
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return erledigt;
}

frmFktWahl::frmFktWahl(Programmzustand& zustand)
    : WahlDialog(zustand, QStringLiteral("frmFktWahl"), QStringLiteral("chkFkt"),
                 {QStringLiteral("Nullstellen"), QStringLiteral("Y-Achsenschnittpunkt"),
                  QStringLiteral("Scheitelkoordinaten"), QStringLiteral("Schnittpunkte"),
                  QStringLiteral("Punktprobe")}),
      chkFkt(Einträge)
{
    setObjectName(QStringLiteral("frmFktWahl"));
}

frmPktWahl::frmPktWahl(Programmzustand& zustand)
    : WahlDialog(zustand, QStringLiteral("frmPktWahl"), QStringLiteral("chkPkt"),
                 {QStringLiteral("Gerade aus 2 Punkten"), QStringLiteral("Parabel aus 2 Punkten"),
                  QStringLiteral("Abstand zweier Punkte")}),
      chkPkt(Einträge)
{
    setObjectName(QStringLiteral("frmPktWahl"));
}
