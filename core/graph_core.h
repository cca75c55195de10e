#pragma once
// The graph core: the sheet and everything on it. It holds the tables, the
// view state and the drawing target, and offers the operations that the main
// window, its commands and the simulation call. The implementation lies in
// several files by topic (sheet, plotting, labels, equations, lists,
// analyses, input, deleting).

#include "core/ausgabe.h"
#include "core/dialog_base.h"
#include "core/program_state.h"
#include "core/tables.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>
#include <cstdint>

class Falle;
class QLabel;
class SheetWidget;
class frmFktWahl;
class frmPktWahl;
class frmFktLöschen;
class frmPktLöschen;
class frmPunkte;
class frmEingabe;

class GraphCore {
public:
    GraphCore(Programmzustand& zustand, SheetWidget& blatt);
    ~GraphCore();
    GraphCore(const GraphCore&) = delete;
    GraphCore& operator=(const GraphCore&) = delete;

    Programmzustand& z;
    SheetWidget& picSchaubild;

    // ---- Tables -------------------------------------------------------
    FunktionsTabelle fkt;
    PunktTabelle pkt;
    QString Überschrift;
    bool GleichungenAus = false;
    int16_t LaufIndex = 0;
    void DefFarben();

    // ---- Sheet, mapping, grid and axes ----------------------------------
    Ausgabe* ausgabe = nullptr;  // the sheet, or the printer page while printing
    float Zoom = 1.0f;           // 1 for "1:1 Ansicht", 0.5 for "ganze Seite"
    float MitteX = 100.0f;
    float MitteY = 148.5f;
    float xHalb = 90.0f;
    float yHalb = 130.0f;
    float OffsetX = 0.0f;
    float OffsetY = 0.0f;
    float xLauf = 0.0f;
    float yLauf = 0.0f;

    float XPos(float x) const;
    float YPos(float y) const;
    float XPosINV(float x) const;
    float YPosINV(float y) const;
    void Achsen();
    void Text(const QString& s, float x, float y, float size, bool bold, int32_t farbe);

    // ---- Plotting -----------------------------------------------------
    float yAnker = 0.0f;
    bool GraphAußerhalb = false;
    void PunktZeichnen(float x, float y, const QString& Name, int16_t Index);
    // Point n (already counted) at (x, y) in LE with its name: stored, drawn
    // with its label and added to the point lists; each step in the caller's trap.
    void PunktEintragen(Falle& falle, int16_t n, float x, float y, const QString& Name);
    void ParabelZeichnen(int16_t i);
    void GeradeZeichnen(int16_t i);
    // Function i as a parabola, or as a line when its factor a is 0.
    void FunktionZeichnen(int16_t i);
    void TessarolenZeichnen();
    void PunkteZeichnen();
    // The whole sheet anew: clear, Achsen, TessarolenZeichnen, PunkteZeichnen,
    // each step in the caller's trap; the optional steps run after the axes
    // and after the functions (the list refills of some commands).
    void NeuZeichnen(Falle& falle, const std::function<void()>& nachAchsen = {},
                     const std::function<void()>& nachFunktionen = {});

    // ---- Simulated curves ---------------------------------------------------
    // The curve of the simulation window, from number texts with a decimal
    // point, put into the slot after the last function, drawn and listed
    // while the count stays as it was; true when a curve was drawn.
    bool SimGeradeZeichnen(const QString& mText, const QString& bText);
    bool simAllgParabelZeichnen(const QString& aText, const QString& bText, const QString& cText);
    bool simNormParabelZeichnen(const QString& xsText, const QString& ysText);
    // Draws line i as GeradeZeichnen does; the second argument is not read.
    void GeradeSimZeichnen(int16_t i, float nichtGelesen);
    // The ticks of the function entries 1 ... AnzFkt in the selection list
    // and in the deletion list.
    struct FktHakenStand {
        std::vector<bool> wahl, löschen;
    };
    FktHakenStand FktHaken();
    // The simulated curve was not kept: its slot is emptied as a deletion
    // empties one, its label and its list entries go,
    // and the entries of the functions get back the ticks they had.
    void SimKurveVerwerfen(const FktHakenStand& vorher);

    // ---- Labels and legend ----------------------------------------------
    std::array<QLabel*, 11> PunktBeschriftung{};  // element n for point n
    std::array<QLabel*, 11> FunkBeschriftung{};   // element i for function i
    void TextPkt(int16_t Index, const QString& s, float x, float y, float size, bool bold,
                 int32_t farbe);
    void TextFkt(int16_t i, const QString& s, float x, float y, float size, bool bold,
                 int32_t farbe);
    void TextFunktion(int16_t i, float x, float y);
    bool IsLoaded(int16_t Index) const;
    bool IsLoadedFkt(int16_t i) const;
    // Colour, font, place (sheet mm), text of a screen label; shows it whole.
    void ZeigeBeschriftung(QLabel& l, const QString& s, float x, float y, float size, bool bold,
                           int32_t farbe);

    // ---- Equation texts -------------------------------------------------
    QString GleichungsText;
    float xAnker = 0.0f;
    void Funktionsgleichung(int16_t i);

    // ---- Selection lists ------------------------------------------------
    frmFktWahl& FktWahl();
    frmPktWahl& PktWahl();
    frmFktLöschen& FktLöschen();
    frmPktLöschen& PktLöschen();
    void MenüFunktionsEinträge(int16_t i);
    void MenüTessarolenEintragen();
    void MenüPunktEinträge(int16_t n);
    void MenüPunkteEintragen();
    int16_t aktuelleFunktion(int16_t start);
    int16_t aktuellerPunkt(int16_t start);

    // ---- Analyses -----------------------------------------------------
    float Diskriminante = 0.0f;
    int16_t AnzLösungen = 0;
    int16_t FktNr1 = 0;
    int16_t FktNr2 = 0;
    int16_t FktNr3 = 0;
    float ProbeX = 0.0f;
    float ProbeY = 0.0f;
    frmPunkte& Punkte();
    void MitternachtsFormel(float p, float q);
    void SchnittPunkteZeigen(int16_t Anzahl, const QString& Art);
    void Nullstellen();
    void YSchnittpunkt();
    void Scheitel();
    void Schnittpkte();
    void PunktProbe();
    void PktGerade();
    void PktNormalparabel();
    void PktAbstand();
    // The analyses behind the buttons of the selection dialogs, by index.
    void FktWahlAktion(int Index);
    void PktWahlAktion(int Index);

    // ---- Input dialog ---------------------------------------------------
    frmEingabe& Eingabe();
    bool EingabeExistiert() const;
    void EingabeBox(const QString& label1, const QString& label2, const QString& label3,
                    const QString& titel, const QString& vorlage);

    // ---- Clearing and deleting --------------------------------------------
    void Löschen();
    void TessarolenLöschen();
    void PunkteLöschen();
    void MenüChkFktLöschen(int16_t i);
    void MenüChkPktLöschen(int16_t i);
    // Removes the marked functions (points), closes the table up and redraws
    // the sheet with the lists refilled; each step in the caller's trap.
    void FunktionenEntfernen(Falle& falle, const std::function<bool(int16_t)>& markiert);
    void PunkteEntfernen(Falle& falle, const std::function<bool(int16_t)>& markiert);

private:
    // The dialogs of the core, each created on first use (HoleFenster).
    std::unique_ptr<Dialogfenster> fktWahl_;
    std::unique_ptr<Dialogfenster> pktWahl_;
    std::unique_ptr<Dialogfenster> fktLöschen_;
    std::unique_ptr<Dialogfenster> pktLöschen_;
    std::unique_ptr<Dialogfenster> punkte_;
    std::unique_ptr<Dialogfenster> eingabe_;
};

// Line width in device pixels for a width in mm on the target: rounded half
// to even, at least 1 for a positive width.
int16_t StrichBreite(float breite, const Ausgabe& ziel);
