#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/input_dialog.h"

#include <QLabel>

frmEingabe& GraphCore::Eingabe() { return HoleFenster<frmEingabe>(eingabe_, z); }

bool GraphCore::EingabeExistiert() const { return FensterOderNull<frmEingabe>(eingabe_); }

void GraphCore::EingabeBox(const QString& label1, const QString& label2, const QString& label3,
                           const QString& titel, const QString& vorlage)
{
    Falle falle(z, QStringLiteral("frmTessarolen:EingabeBox"));
    frmEingabe* dialog = nullptr;
    falle([&] { dialog = &Eingabe(); });
    if (!dialog)
        return;
    falle([&] {
        dialog->setWindowTitle(titel);
        dialog->labGleichung->setText(vorlage);
        dialog->labEingabe1->setText(label1);
        dialog->labEingabe2->setText(label2);
        dialog->labEingabe3->setText(label3);
    });
    falle([&] { dialog->ZeigeModal(); });
}
