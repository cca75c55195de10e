#include "core/selection_dialogs.h"

#include "core/error_log.h"
#include "core/list_dialog_layout.h"

#include <QEvent>

using namespace listen_layout;

WahlDialog::WahlDialog(Programmzustand& zustand, QString fenster, const QString& chkName,
                       const QStringList& beschriftungen)
    : Einträge(*this, chkName), z_(zustand), fenster_(std::move(fenster))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    SetzeRahmen(30);  // a thin frame without a caption bar
    SetzeSchliessenVerbirgt();
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
        throw FehlendesElement(Index);
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

// The dialog becomes active when it is shown and whenever the user comes
// back to it from another window.
bool WahlDialog::event(QEvent* e)
{
    const bool erledigt = Dialogfenster::event(e);
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)
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
