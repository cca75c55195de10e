#include "core/platform_qt.h"
#include "core/program_state.h"
#include "main_window/app_setup.h"
#include "main_window/main_window.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LadeDeutscheUebersetzung(app);
    QtPlattform plattform;
    Programmzustand zustand;
    zustand.plattform = &plattform;
    zustand.Programmpfad = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!zustand.Programmpfad.endsWith(QDir::separator()))
        zustand.Programmpfad += QDir::separator();
    frmTessarolen fenster(zustand);
    fenster.show();
    return app.exec();
}
