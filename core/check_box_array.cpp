#include "core/check_box_array.h"

#include "core/runtime_error.h"
#include "core/list_dialog_layout.h"

#include <QCheckBox>
#include <QWidget>

LaufzeitFehler FehlendesElement(int k)
{
    return {340, QStringLiteral("Steuerelementfeld-Element '%1' existiert nicht").arg(k)};
}

ChkFeld::ChkFeld(QWidget& dialog, QString name) : dialog_(dialog), name_(std::move(name))
{
    auto* chk = new QCheckBox(&dialog_);
    chk->setObjectName(name_ + QStringLiteral("_0"));
    chk->setGeometry(Px(listen_layout::Rand), 0, Px(listen_layout::Breite),
                     Px(listen_layout::EintragHoehe));
    chk->hide();  // shows nothing until the first entry uses it
    elemente_[0] = chk;
}

bool ChkFeld::Existiert(int k) const
{
    return k >= 0 && k < Elemente && elemente_[static_cast<size_t>(k)] != nullptr;
}

QCheckBox& ChkFeld::operator()(int k) const
{
    if (!Existiert(k))
        throw FehlendesElement(k);
    return *elemente_[static_cast<size_t>(k)];
}

QCheckBox& ChkFeld::Laden(int k)
{
    if (Existiert(k))
        return *elemente_[static_cast<size_t>(k)];
    if (k < 0 || k >= Elemente)
        throw FehlendesElement(k);
    const QCheckBox& vorlage = (*this)(0);
    auto* chk = new QCheckBox(&dialog_);
    chk->setObjectName(name_ + QLatin1Char('_') + QString::number(k));
    chk->setGeometry(vorlage.geometry());
    chk->setText(vorlage.text());
    chk->setFont(vorlage.font());
    chk->setEnabled(vorlage.isEnabled());
    chk->setChecked(false);
    chk->hide();
    elemente_[static_cast<size_t>(k)] = chk;
    return *chk;
}

void ChkFeld::Entladen(int k)
{
    if (k == 0)
        throw LaufzeitFehler(362, QStringLiteral(
            "Zur Entwurfszeit erstellte Steuerelemente können nicht entladen werden"));
    QCheckBox& chk = (*this)(k);
    elemente_[static_cast<size_t>(k)] = nullptr;
    delete &chk;
}

bool ChkFeld::Angehakt(int k) const { return (*this)(k).isChecked(); }

void ChkFeld::SetzeHaken(int k, bool an) { (*this)(k).setChecked(an); }
