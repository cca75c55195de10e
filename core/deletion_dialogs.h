#pragma once
// The deletion dialogs: one check box per function (frmFktLöschen) or point
// (frmPktLöschen). "Löschen" hides the dialog and then runs its Löschaktion,
// which deletes the ticked ones; "Abbrechen" only hides it.

#include "core/check_box_array.h"
#include "core/dialog_base.h"

#include <functional>

class QPushButton;

class LöschDialog : public Dialogfenster {
public:
    // Element k stands for function or point k + 1.
    ChkFeld chkLöschen;
    // Runs after "Löschen" has hidden the dialog.
    std::function<void()> Löschaktion;

    QPushButton& cmdLöschen() const { return *löschen_; }
    QPushButton& cmdAbbrechen() const { return *abbrechen_; }

    void cmdLöschen_Click();
    void cmdAbbrechen_Click();

protected:
    explicit LöschDialog(const QString& fenster);

private:
    QPushButton* löschen_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
};

class frmFktLöschen : public LöschDialog {
public:
    frmFktLöschen();
};

class frmPktLöschen : public LöschDialog {
public:
    frmPktLöschen();
};
