#include "main_window/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool LadeDeutscheUebersetzung(QApplication& app)
{
    auto* uebersetzer = new QTranslator(&app);
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), ordner)) {
        app.installTranslator(uebersetzer);
        return true;
    }
    delete uebersetzer;
    return false;
}
