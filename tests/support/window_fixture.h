#pragma once
// The main window with a scripted platform and its error log in a temporary
// folder, and a way to act inside a modal dialog while it is shown.

#include "core/input_dialog.h"
#include "core/program_state.h"
#include "core/sheet_widget.h"
#include "main_window/main_window.h"
#include "tests/support/scripted_platform.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

struct Fenster {
    QTemporaryDir ordner;
    SkriptPlattform plattform;
    Programmzustand z;
    std::unique_ptr<frmTessarolen> f;
    int beendet = 0;

    Fenster()
    {
        z.plattform = &plattform;
        z.Programmpfad = ordner.path() + QStringLiteral("/");
        f = std::make_unique<frmTessarolen>(z);
        f->ProgrammBeenden = [this] { ++beendet; };
    }
    GraphCore& k() { return f->Kern(); }
    Bildschirmflaeche& blatt() { return f->Blatt().Flaeche(); }

    // Triggers the menu item; `bedienen` runs as soon as the event loop turns, that is while a modal
    // dialog that the item opened is shown. When the item opens none, `bedienen` does not run at all.
    void menü(const char* name, std::function<void()> bedienen = {})
    {
        QTimer zeitgeber;
        zeitgeber.setSingleShot(true);
        if (bedienen) {
            QObject::connect(&zeitgeber, &QTimer::timeout, std::move(bedienen));
            zeitgeber.start(0);
        }
        f->Aktion(QString::fromUtf8(name))->trigger();
    }

    // Runs a "Zeichnen" item, types the texts into the input dialog's fields one after the other and presses "Ok".
    void gibEin(const char* name, const QStringList& texte)
    {
        menü(name, [&] {
            frmEingabe& d = k().Eingabe();
            const QList<QLineEdit*> felder{d.txtEingabe1, d.txtEingabe2, d.txtEingabe3};
            for (int i = 0; i < texte.size(); ++i)
                felder[i]->selectAll(), QTest::keyClicks(felder[i], texte[i]);
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            d.hide();
        });
    }
};
