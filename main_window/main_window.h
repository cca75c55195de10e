#pragma once
// The main window frmTessarolen: menu bar, the sheet picSchaubild with the
// scroll bar VScroll1 beside it, and the commands of the menus.

#include "core/dialog_base.h"
#include "core/graph_core.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class Bildlaufleiste;
class QAction;
class QMenu;
class SheetWidget;
class frmSchrittweiten;
class frmSimulation;
enum class SimArt;
struct Programmzustand;

class frmTessarolen : public QMainWindow {
public:
    explicit frmTessarolen(Programmzustand& zustand, QWidget* eltern = nullptr);
    ~frmTessarolen() override;

    GraphCore& Kern() { return *kern_; }
    SheetWidget& Blatt() { return *picSchaubild; }
    QAction* Aktion(const QString& name) const;
    QMenu* Menü(const QString& name) const;
    frmSchrittweiten& Schrittweiten();

    SheetWidget* picSchaubild = nullptr;
    Bildlaufleiste* VScroll1 = nullptr;
    QString HilfeDatei;  // the program's help file, recorded at load
    // Ends the program ("Beenden", or the title-bar box of this window).
    std::function<void()> ProgrammBeenden;

    // ---- Set-up ---------------------------------------------------------
    void Form_Load();
    void mnuBeenden_Click();
    void VScroll1_Change();
    void mnuSchrittweiten_Click();

    // ---- Entering functions and points ("Zeichnen") -------------------------
    struct Funktionsbefehl {
        QString name;  // the handler's name, for error reports
        bool dreiFelder;
        QString label1, label2, label3, titel, vorlage;
        QString art;
        // Stores the input strings and what follows from them into slot n;
        // false when the input is refused (nothing stored).
        std::function<bool(FunktionsTabelle&, int16_t, Programmzustand&)> speichern;
    };
    void EingabeLayout(bool dreiFelder);
    void FunktionEingeben(const Funktionsbefehl& befehl);
    void mnuPunkte_Click();
    void mnuLineareFunktion_Click();
    void mnuAllgParabel_Click();
    void mnuNormalform_Click();
    void mnuScheitelform_Click();
    void mnuLöscheFunktion_Click();

    // ---- Simulations -------------------------------------------------------
    frmSimulation& Simulation();
    // Puts the simulation window up for a kind, without showing it.
    frmSimulation& SimulationEinrichten(SimArt art);
    void mnuSimGerade_Click();
    void mnuSimAllgParabel_Click();
    void mnuSimParabel_Click();

    // ---- Selection and deletion dialogs -----------------------------------
    void mnuSchnittpunkte_Click();
    void mnuFktPkt_Click();
    void mnuTessarolenLöschen_Click();
    void mnuPunkteLöschen_Click();

    // ---- Printing -----------------------------------------------------------
    void mnuDrucken_Click();

    // ---- View, unit, colours, equations, heading and help -------------------
    void mnuAchsenZeichnen_Click();
    void mnuEinheit_Click(int Index);
    void mnuNormalAnsicht_Click();
    void mnuGanzeSeite_Click();
    void mnuFarben_Click();
    void mnuFunktionsgleichungenAusblenden_Click();
    void mnuÜberschrift_Click();
    void mnuAnleitung_Click();

    // ---- Mouse on the sheet ----------------------------------------------
    // The pointer in LE, rounded to one decimal, from the last move over the
    // sheet; X and Y of the handlers are sheet millimetres.
    float MausX = 0.0f;
    float MausY = 0.0f;
    void picSchaubild_MouseMove(float X, float Y);
    void picSchaubild_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);

    // ---- Function file ----------------------------------------------------
    void mnuSpeichern_Click();
    void mnuÖffnen_Click();
    // The entry of the last file opened at the end of the "Datei" menu.
    void DateiEintrag(const QString& pfad);
    // Each file dialog opens where it was last left, with its file name.
    QString ÖffnenOrdner, ÖffnenName, SpeichernOrdner, SpeichernName;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Asks for the heading with the current one preset; it keeps as much as
    // a function file holds, so that it comes back as it was saved.
    QString ÜberschriftAbfragen(const QString& prompt, const QString& titel);
    void baueMenüs();
    void verbinde(const QString& name, std::function<void()> handler);
    void Ansichtswechsel(const QString& name, float zoom, int16_t bildlauf);
    void MausAnschließen();

    Programmzustand& z_;
    std::unique_ptr<GraphCore> kern_;
    std::unique_ptr<Dialogfenster> schrittweiten_;
    std::unique_ptr<Dialogfenster> simulation_;
};
