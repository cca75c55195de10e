#include "core/platform_qt.h"
#include "core/program_state.h"
#include "main_window/app_setup.h"
#include "main_window/main_window.h"
#include "main_window/start_screen.h"

#include <QApplication>
#include <QScreen>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LadeDeutscheUebersetzung(app);
    QtPlattform plattform;
    Programmzustand zustand;
    zustand.plattform = &plattform;
    std::unique_ptr<frmTessarolen> hauptfenster;
    auto* start = new frmStartTessarolen(zustand, QGuiApplication::primaryScreen()->size(),
                                         QCoreApplication::applicationDirPath());
    start->HauptfensterZeigen = [&] {
        hauptfenster = std::make_unique<frmTessarolen>(zustand);
        hauptfenster->show();
    };
    start->show();
    return app.exec();
}
