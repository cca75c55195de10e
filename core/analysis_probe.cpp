// The point test: does a typed point lie on the one ticked function?

#include "core/analysis_math.h"
#include "core/analysis_steps.h"
#include "core/error_log.h"
#include "core/number_text.h"

#include <QLineEdit>

void GraphCore::PunktProbe()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PunktProbe"));
    bool gewaehlt = false;
    falle([&] { gewaehlt = EineFunktionGewaehlt(*this); });
    if (!gewaehlt)
        return;
    falle([&] {
        EingabeBox(QStringLiteral("Koordinate x:"), QStringLiteral("Koordinate y:"), QString(),
                   QStringLiteral("Punkt:"), QStringLiteral("P(x | y)"));
    });
    if (z.Eingabe1.isEmpty() || z.Eingabe2.isEmpty())
        return;  // cancelled
    falle([&] { ProbeX = AlsSingle(Val(z.Eingabe1)); });
    falle([&] { ProbeY = AlsSingle(Val(z.Eingabe2)); });
    bool liegtAuf = false;
    falle([&] { liegtAuf = LiegtAuf(KoeffizientenVon(fkt, FktNr1), ProbeX, ProbeY); });

    // The answer repeats the coordinates as the user typed them.
    auto feldText = [&](const char* name) {
        const QLineEdit* feld =
            eingabe_ ? eingabe_->findChild<QLineEdit*>(QString::fromLatin1(name)) : nullptr;
        return feld ? feld->text() : QString();
    };
    const QString punkt = QStringLiteral("Der Punkt (") + feldText("txtEingabe1") +
                          QStringLiteral(" | ") + feldText("txtEingabe2") + QStringLiteral(") ");
    const QString f = QStringLiteral("f") + QString::number(FktNr1) + QStringLiteral("!");
    falle([&] {
        Hinweis(*this, punkt +
                           (liegtAuf ? QStringLiteral("liegt auf der Funktion ")
                                     : QStringLiteral("liegt leider nicht auf der Funktion ")) +
                           f);
    });
}
