#pragma once
// The step-width dialog: five small spinners set how far one click of a
// simulation bar moves m, b, a, xs and ys.

#include "core/dialog_base.h"

#include <array>

class Bildlaufleiste;
class QLabel;
class QLineEdit;
class QPushButton;
struct Programmzustand;

class frmSchrittweiten : public Dialogfenster {
public:
    explicit frmSchrittweiten(Programmzustand& zustand, QWidget* eltern = nullptr);

    std::array<Bildlaufleiste*, 5> VScroll1{};
    std::array<QLineEdit*, 5> txtEingabe1{};
    std::array<QLabel*, 5> labEingabe1{};
    QPushButton* cmdOK = nullptr;

private:
    void Form_Load();
    void VScroll1_Change(int Index);
    void cmdOK_Click();
    Programmzustand& z_;
};
