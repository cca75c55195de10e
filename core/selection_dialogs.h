#pragma once
// The selection dialogs: one check box per function (frmFktWahl) or point
// (frmPktWahl), and the buttons that start an analysis of the ticked ones.
// A button hides its dialog and then runs the dialog's Aktion with its index.

#include "core/check_box_array.h"
#include "core/dialog_base.h"

#include <QStringList>
#include <functional>
#include <vector>

class QPushButton;
struct Programmzustand;

class WahlDialog : public Dialogfenster {
public:
    // The entries: element k stands for function or point k + 1.
    ChkFeld Einträge;
    // Runs after an action button has hidden the dialog, with its index.
    std::function<void(int)> Aktion;

    // Action button Index; error 340 for an index without a button.
    QPushButton& cmdAktion(int Index) const;
    int AnzahlAktionen() const { return static_cast<int>(aktionen_.size()); }
    QPushButton& cmdAbbrechen() const { return *abbrechen_; }

    void cmdAktion_Click(int Index);
    void cmdAbbrechen_Click();
    void Form_Activate();

protected:
    WahlDialog(Programmzustand& zustand, QString fenster, const QString& chkName,
               const QStringList& beschriftungen);
    bool event(QEvent* e) override;

private:
    Programmzustand& z_;
    QString fenster_;
    std::vector<QPushButton*> aktionen_;
    QPushButton* abbrechen_ = nullptr;
};

// Buttons 0 ... 4: "Nullstellen", "Y-Achsenschnittpunkt",
// "Scheitelkoordinaten", "Schnittpunkte", "Punktprobe".
class frmFktWahl : public WahlDialog {
public:
    explicit frmFktWahl(Programmzustand& zustand);
    ChkFeld& chkFkt;
};

// Buttons 0 ... 2: "Gerade aus 2 Punkten", "Parabel aus 2 Punkten",
// "Abstand zweier Punkte".
class frmPktWahl : public WahlDialog {
public:
    explicit frmPktWahl(Programmzustand& zustand);
    ChkFeld& chkPkt;
};
