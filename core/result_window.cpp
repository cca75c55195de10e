#include "core/result_window.h"

#include "core/twips.h"

#include <QFont>
#include <QLabel>

namespace {
QLabel* neuesLabel(QWidget* eltern, const char* name, double punkte, int oben, int hoehe)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkte);
    f.setBold(true);
    l->setFont(f);
    l->setGeometry(Px(120), Px(oben), Px(4560), Px(hoehe));
    return l;
}
}  // namespace

frmPunkte::frmPunkte(QWidget* eltern) : Dialogfenster(eltern)
{
    setObjectName(QStringLiteral("frmPunkte"));
    setWindowTitle(QStringLiteral("Punkte"));
    Label1 = neuesLabel(this, "Label1", 8.25, 120, 315);
    labP1 = neuesLabel(this, "labP1", 9.75, 480, 375);
    labP2 = neuesLabel(this, "labP2", 9.75, 900, 375);
    setFixedSize(Px(4800), Px(1440));
}
