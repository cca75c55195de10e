#include "core/dialog_base.h"

#include "core/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

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
    if (schliessenVerbirgt_) {
        e->ignore();
        hide();
        return;
    }
    entladen_ = true;
    Entlaedt();
    QDialog::closeEvent(e);
}

void Dialogfenster::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()))
            knopf->click();
        return;
    }
    QDialog::keyPressEvent(e);
}
