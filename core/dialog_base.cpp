#include "core/dialog_base.h"

#include "core/twips.h"

#include <QCloseEvent>

Dialogfenster::Dialogfenster(QWidget* eltern) : QDialog(eltern) {}

void Dialogfenster::ZeigeModal()
{
    setModal(true);
    exec();
}

void Dialogfenster::SetzeHöhe(int twips)
{
    höheTwips_ = twips;
    const int innen = Px(twips - rahmenTwips_);
    setFixedHeight(innen > 0 ? innen : 1);
}

void Dialogfenster::SetzeLage(int linksTwips, int obenTwips) { move(Px(linksTwips), Px(obenTwips)); }

void Dialogfenster::closeEvent(QCloseEvent* e)
{
    entladen_ = true;
    Entlaedt();
    QDialog::closeEvent(e);
}
