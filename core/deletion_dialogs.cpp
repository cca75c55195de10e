#include "core/deletion_dialogs.h"

#include "core/twips.h"

#include <QPushButton>

namespace {

// Design layout in twips: the entries in one column from the top, the two
// buttons below the first entry.
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

LöschDialog::LöschDialog(const QString& fenster)
    : chkLöschen(*this, QStringLiteral("chkLöschen"))
{
    setObjectName(fenster);
    setWindowTitle(QStringLiteral("Löschen"));
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
