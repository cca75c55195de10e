#pragma once
// The simulation window: the parameters of one straight line, normal
// parabola or general parabola move step by step with small spinners, and
// the sheet is redrawn with the curve at every step. The window tells the
// kind by its caption; "Ok" keeps the last curve, the close box drops it.

#include "core/dialog_base.h"
#include "core/graph_core.h"

#include <QString>
#include <array>
#include <functional>
#include <cstdint>
#include <optional>

class Bildlaufleiste;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
struct Programmzustand;

enum class SimArt { Gerade, AllgParabel, NormParabel };

// The caption of each kind, and the kind of a caption (none for others).
QString SimCaption(SimArt art);
std::optional<SimArt> SimArtVon(const QString& caption);
// A parameter as its field shows it: bar value times step width in the
// user's locale, up to 7 significant digits. The product is taken before it
// is rounded to a 32-bit float, so that 33 steps of 0.03 read 0,99.
QString SimWertText(int16_t wert, float schritt);

class frmSimulation : public Dialogfenster {
public:
    frmSimulation(Programmzustand& zustand, GraphCore& kern, QWidget* eltern = nullptr);

    QLabel* labGleichung = nullptr;
    QLabel* labEingabe1 = nullptr;
    QLabel* labEingabe2 = nullptr;
    QLabel* labEingabe3 = nullptr;
    QLineEdit* txtEingabe1 = nullptr;
    QLineEdit* txtEingabe2 = nullptr;
    QLineEdit* txtEingabe3 = nullptr;
    Bildlaufleiste* VScroll1 = nullptr;
    Bildlaufleiste* VScroll2 = nullptr;
    Bildlaufleiste* VScroll3 = nullptr;
    QPushButton* cmdOK = nullptr;

    // The first and second parameter of the last step.
    float SimWert1 = 0.0f;
    float SimWert2 = 0.0f;

    // A new showing begins: "Ok" keeps a curve only if one is drawn in it,
    // and a dropped curve leaves the lists' ticks as they are now.
    void NeueVorführung();

    // The equation of a normal parabola with the vertex on the y axis.
    QString FGL(const QString& xs, const QString& ys) const;
    // The curves plotted straight onto the sheet, without the tables.
    void ZeichneParabel(float a, float xs, float ys);
    void ZeichneGerade(float m, float b);
    void ZeichneKurve(const QString& ort, const std::function<double(float)>& y);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void Entlaedt() override;

private:
    void Form_Load();
    void cmdOK_Click();
    void VScroll_Change(int j);
    void Schritt(int j);
    Bildlaufleiste* leiste(int j) const;
    QLineEdit* feld(int j) const;
    float wert(SimArt art, int j) const;
    QString wertText(SimArt art, int j) const;

    Programmzustand& z_;
    GraphCore& kern_;
    bool kurveGezeichnet_ = false;
    // The ticks of the lists when the showing began.
    std::optional<GraphCore::FktHakenStand> hakenVorher_;
    // The rows whose change waits for the running one to end (bit j).
    int offen_ = 0;
    bool ändert_ = false;
};
