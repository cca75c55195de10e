#pragma once
// The start screen frmStartTessarolen: the first window of the program. Its
// load scales it from 800 x 600 design pixels to the screen, shows the
// program's version, centres its frame and records the program folder;
// "Programm starten" closes it and then opens the main window.

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

class Bildfeld;
class QFrame;
class QLabel;
class QPushButton;
struct Programmzustand;

class frmStartTessarolen : public QWidget {
public:
    // bildschirm: the screen's size in pixels; programmordner: the folder of
    // the running program. The window deletes itself once closed.
    frmStartTessarolen(Programmzustand& zustand, QSize bildschirm, QString programmordner,
                       QWidget* eltern = nullptr);

    // Creates and shows the main window; runs after the start screen closed.
    std::function<void()> HauptfensterZeigen;

    void Form_Load();
    void Command1_Click();

    Bildfeld* Image1 = nullptr;
    QFrame* Frame1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompanyProduct = nullptr;

private:
    void baueEntwurf();

    Programmzustand& z_;
    QSize bildschirm_;
    QString programmordner_;
};

// The program folder as the program keeps it: native separators, ending in
// one separator (a root folder already does).
QString MitTrenner(const QString& ordner);
