#pragma once
// Design layout of the selection and deletion dialogs, in twips: the entries
// in one column from the top of the client area, the buttons stacked below.

#include "core/twips.h"

#include <QPushButton>
#include <QString>

namespace listen_layout {

inline constexpr int Rand = 120;
inline constexpr int Breite = 3360;
inline constexpr int EintragHoehe = 375;
inline constexpr int KnopfHoehe = 255;
inline constexpr int Abstand = 40;

inline QPushButton* Knopf(QWidget& dialog, const QString& name, const QString& text, int oben)
{
    auto* k = new QPushButton(text, &dialog);
    k->setObjectName(name);
    k->setAutoDefault(false);
    k->setGeometry(Px(Rand), Px(oben), Px(Breite), Px(KnopfHoehe));
    return k;
}

}  // namespace listen_layout
