#include "core/deletion_dialogs.h"

#include "core/list_dialog_layout.h"

using namespace listen_layout;

LöschDialog::LöschDialog(const QString& fenster)
    : chkLöschen(*this, QStringLiteral("chkLöschen"))
{
    setObjectName(fenster);
    setWindowTitle(QStringLiteral("Löschen"));
    SetzeSchliessenVerbirgt();
    int oben = EintragHoehe + Abstand;
    löschen_ = Knopf(*this, QStringLiteral("cmdLöschen"), QStringLiteral("Löschen"), oben);
    oben += KnopfHoehe + Abstand;
    abbrechen_ = Knopf(*this, QStringLiteral("cmdAbbrechen"), QStringLiteral("Abbrechen"), oben);
    resize(Px(2 * Rand + Breite), Px(oben + KnopfHoehe + 3 * Abstand));
    connect(löschen_, &QPushButton::clicked, this, [this] { cmdLöschen_Click(); });
    connect(abbrechen_, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
}

void LöschDialog::cmdLöschen_Click()
{
    hide();
    if (Löschaktion)
        Löschaktion();
}

void LöschDialog::cmdAbbrechen_Click() { hide(); }

frmFktLöschen::frmFktLöschen() : LöschDialog(QStringLiteral("frmFktLöschen")) {}

frmPktLöschen::frmPktLöschen() : LöschDialog(QStringLiteral("frmPktLöschen")) {}
