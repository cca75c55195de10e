#include "core/dialog_base.h"

#include <QCloseEvent>

Dialogfenster::Dialogfenster(QWidget* eltern) : QDialog(eltern) {}

void Dialogfenster::ZeigeModal()
{
    setModal(true);
    exec();
}

void Dialogfenster::closeEvent(QCloseEvent* e)
{
    entladen_ = true;
    Entlaedt();
    QDialog::closeEvent(e);
}
