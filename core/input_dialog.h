#pragma once
// The input dialog: up to three number fields with their captions, a live
// preview of the equation above them, "Ok", "Abbrechen" and "Hilfe". The
// results are left in Eingabe1 ... Eingabe3 of the program state.
//
// Leaving a field towards another field or "Ok" validates it; a faulty or
// empty field keeps the focus. "Abbrechen" and "Hilfe" never validate. The
// validation of a field stays pending while the focus rests on those two
// buttons and runs when the focus next moves to a field or "Ok".
//
// The callers arrange the fields directly (visibility of the third field,
// height of the help text, button positions, setFixedSize of the dialog), so
// the controls are public.

#include "core/dialog_base.h"

#include <QString>
#include <array>

class QEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
struct Programmzustand;

class frmEingabe : public Dialogfenster {
public:
    explicit frmEingabe(Programmzustand& zustand);

    QLabel* labGleichung;
    QLabel* labEingabe1;
    QLabel* labEingabe2;
    QLabel* labEingabe3;
    QLineEdit* txtEingabe1;
    QLineEdit* txtEingabe2;
    QLineEdit* txtEingabe3;
    QPushButton* cmdOK;
    QPushButton* cmdAbbrechen;
    QPushButton* cmdHilfe;
    QLabel* labHilfe;

    // Writes the preview of the equation into labGleichung, chosen by the
    // beginning of the dialog caption. Empty texts are replaced by their
    // placeholders in the arguments.
    void PrintEingabe(QString& t1, QString& t2, QString& t3);

    // The help text with its line breaks (character 13).
    static QString HilfeText();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // Closed by its title-bar box, the dialog counts as cancelled.
    void Entlaedt() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Index 0 ... 2 of a field, or -1.
    int FeldNummer(const QObject* o) const;
    QString& EingabeString(int nr);
    // Fields and "Ok" set off the validation of the field left behind.
    bool LoestPruefungAus(const QWidget* w) const;
    // Runs the pending validation before the focus may go to w; a refusal
    // keeps (or puts back) the focus in the refused field.
    bool FokusErlaubt(QWidget* w);
    void FokusNach(QWidget* w, Qt::FocusReason grund);
    // The next or previous visible control in the tab order.
    QWidget* Nachbar(QWidget* von, bool vorwaerts) const;
    void Vorschau();

    void Feld_Change(int nr);
    void Feld_GotFocus(int nr);
    bool Feld_Validate(int nr);
    void Form_Activate();
    bool Form_KeyPress(QObject* objekt, QKeyEvent* e);
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void cmdHilfe_Click();

    Programmzustand& z;
    std::array<QLineEdit*, 3> felder_{};
    std::array<QWidget*, 6> tabFolge_{};
    QLineEdit* offenesFeld_ = nullptr;  // left, but not yet validated
    bool fokusZurueck_ = false;         // focus returns to a refused field
    bool aktivierungOffen_ = false;
};
