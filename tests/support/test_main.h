#pragma once
// Test programs run on the offscreen platform in a German locale, with all of
// Qt Widgets at hand.

#include <QtTest>
#include <QtWidgets>

#define TESSAROLEN_TEST_MAIN(Klasse)                                        \
    int main(int argc, char** argv)                                         \
    {                                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                 \
            qputenv("QT_QPA_PLATFORM", "offscreen");                        \
        QApplication app(argc, argv);                                       \
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));    \
        Klasse test;                                                        \
        return QTest::qExec(&test, argc, argv);                             \
    }
