#pragma once
// The main window frmTessarolen: the sheet with its grid and axes.

#include "core/graph_core.h"

#include <QMainWindow>

class SheetWidget;
struct Programmzustand;

class frmTessarolen : public QMainWindow {
    Q_OBJECT
public:
    explicit frmTessarolen(Programmzustand& zustand, QWidget* eltern = nullptr);
    ~frmTessarolen() override;

    GraphCore& Kern() { return *kern_; }
    SheetWidget& Blatt() { return *blatt_; }

    void Form_Load();

private:
    Programmzustand& z_;
    SheetWidget* blatt_;
    std::unique_ptr<GraphCore> kern_;
};
