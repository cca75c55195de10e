#include "main_window/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool LadeDeutscheUebersetzung(QApplication& app)
{
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt's own dialogs, and the help window's search.
    bool geladen = false;
    for (const char* teil : {"qtbase", "qt_help"}) {
        auto* uebersetzer = new QTranslator(&app);
        if (uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QString::fromLatin1(teil),
                              QStringLiteral("_"), ordner)) {
            app.installTranslator(uebersetzer);
            geladen = geladen || QLatin1String(teil) == QLatin1String("qtbase");
        } else {
            delete uebersetzer;
        }
    }
    return geladen;
}
