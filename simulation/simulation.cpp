#include "simulation/simulation.h"

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/runtime_error.h"
#include "core/scroll_bar.h"
#include "core/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <bit>
#include <cmath>

namespace {

// Step width of each row by kind: m, b / a, xs, ys / xs, ys.
constexpr int kSchritt[3][3] = {{0, 1, -1}, {2, 3, 4}, {3, 4, -1}};

int Nr(SimArt art) { return static_cast<int>(art); }

// The desktop as a change of the bars sees it: before a message box (or an
// input box) opens, every bar lets go of its arrow. The box's own event loop
// would otherwise go on repeating a held arrow, a change under each box.
class LoslassendePlattform : public Plattform {
public:
    LoslassendePlattform(Programmzustand& z, std::array<Bildlaufleiste*, 3> leisten)
        : z_(z), innen_(*z.plattform), leisten_(leisten)
    {
        z_.plattform = this;
    }
    ~LoslassendePlattform() override { z_.plattform = &innen_; }
    LoslassendePlattform(const LoslassendePlattform&) = delete;
    LoslassendePlattform& operator=(const LoslassendePlattform&) = delete;

    MsgAntwort MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe,
                      const QString& titel) override
    {
        loslassen();
        return innen_.MsgBox(text, symbol, knoepfe, titel);
    }
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override
    {
        loslassen();
        return innen_.InputBox(prompt, titel, vorgabe);
    }
    std::optional<int32_t> FarbDialog(int32_t vorgabe, const std::vector<int32_t>& farbfeld) override
    {
        return innen_.FarbDialog(vorgabe, farbfeld);
    }
    QString DateiÖffnenDialog(const QString& titel, const QString& filter, const QString& ordner,
                              const QString& name) override
    {
        return innen_.DateiÖffnenDialog(titel, filter, ordner, name);
    }
    QString DateiSpeichernDialog(const QString& titel, const QString& filter,
                                 const QString& ordner, const QString& name) override
    {
        return innen_.DateiSpeichernDialog(titel, filter, ordner, name);
    }
    bool DruckDialog(QPrinter& drucker) override { return innen_.DruckDialog(drucker); }
    void HilfeZeigen(const QString& datei, int kontext) override { innen_.HilfeZeigen(datei, kontext); }

private:
    void loslassen()
    {
        for (Bildlaufleiste* l : leisten_)
            l->Loslassen();
    }
    Programmzustand& z_;
    Plattform& innen_;
    std::array<Bildlaufleiste*, 3> leisten_;
};

// A number text in the user's locale read back.
float AusLandestext(const QString& s)
{
    QString t = s;
    t.replace(QLocale().decimalPoint(), QStringLiteral("."));
    return AlsSingle(Val(t));
}

}  // namespace

QString SimCaption(SimArt art)
{
    switch (art) {
    case SimArt::Gerade:
        return QStringLiteral("Gerade");
    case SimArt::AllgParabel:
        return QStringLiteral("Allgemeine Parabel");
    case SimArt::NormParabel:
        break;
    }
    return QStringLiteral("Normalparabel");
}

std::optional<SimArt> SimArtVon(const QString& caption)
{
    for (SimArt art : {SimArt::Gerade, SimArt::AllgParabel, SimArt::NormParabel})
        if (caption == SimCaption(art))
            return art;
    return std::nullopt;
}

frmSimulation::frmSimulation(Programmzustand& zustand, GraphCore& kern, QWidget* eltern)
    : Dialogfenster(eltern), z_(zustand), kern_(kern)
{
    setObjectName(QStringLiteral("frmSimulation"));
    setWindowTitle(QStringLiteral("Eingabefenster"));
    setFixedWidth(Px(3900));
    SetzeHöhe(2925);
    labGleichung = new QLabel(QStringLiteral("Gleichung"), this);
    labGleichung->setObjectName(QStringLiteral("labGleichung"));
    labGleichung->setGeometry(Px(120), Px(120), Px(3660), Px(375));
    std::array<QLabel**, 3> namen = {&labEingabe1, &labEingabe2, &labEingabe3};
    std::array<QLineEdit**, 3> felder = {&txtEingabe1, &txtEingabe2, &txtEingabe3};
    std::array<Bildlaufleiste**, 3> leisten = {&VScroll1, &VScroll2, &VScroll3};
    for (int k = 0; k < 3; ++k) {
        const int oben = 600 + 480 * k;
        QLabel* l = *namen[k] = new QLabel(QStringLiteral("Label1"), this);
        l->setObjectName(QStringLiteral("labEingabe%1").arg(k + 1));
        l->setGeometry(Px(120), Px(oben), Px(600), Px(375));
        // The fields show the parameters; they follow the spinners only, so
        // that the equation always belongs to the curve on the sheet.
        QLineEdit* t = *felder[k] = new QLineEdit(this);
        t->setObjectName(QStringLiteral("txtEingabe%1").arg(k + 1));
        t->setReadOnly(true);
        t->setGeometry(Px(720), Px(oben), Px(1800), Px(375));
        Bildlaufleiste* b = *leisten[k] = new Bildlaufleiste(this);
        b->setObjectName(QStringLiteral("VScroll%1").arg(k + 1));
        b->setGeometry(Px(2640), Px(oben + 30), Px(375), Px(320));
        b->SetzeSmallChange(1);
        b->SetzeLargeChange(1);  // Page Up and Page Down move by one, like an arrow
        b->setFocusPolicy(Qt::StrongFocus);
    }
    VScroll1->SetzeBereich(1000, -1000);
    VScroll1->SetzeValue(-100);
    for (int j = 1; j <= 3; ++j)
        leiste(j)->Change = [this, j] { VScroll_Change(j); };
    cmdOK = new QPushButton(QStringLiteral("Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Px(1320), Px(2040), Px(1095), Px(330));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    Form_Load();
}

Bildlaufleiste* frmSimulation::leiste(int j) const
{
    return j == 1 ? VScroll1 : (j == 2 ? VScroll2 : VScroll3);
}

QLineEdit* frmSimulation::feld(int j) const
{
    return j == 1 ? txtEingabe1 : (j == 2 ? txtEingabe2 : txtEingabe3);
}

// The parameter of row j: bar value times the row's step width, a 32-bit float.
float frmSimulation::wert(SimArt art, int j) const
{
    const int k = kSchritt[Nr(art)][j - 1];
    return float(leiste(j)->Value()) * z_.Schrittweite.at(size_t(k));
}

QString frmSimulation::wertText(SimArt art, int j) const
{
    const int k = kSchritt[Nr(art)][j - 1];
    return SimWertText(leiste(j)->Value(), z_.Schrittweite.at(size_t(k)));
}

QString SimWertText(int16_t wert, float schritt) { return ZahlText(double(wert) * schritt, 7); }

void frmSimulation::Form_Load() { z_.SimAktiv = true; }

void frmSimulation::NeueVorführung()
{
    kurveGezeichnet_ = false;
    hakenVorher_ = kern_.FktHaken();
}

void frmSimulation::Entlaedt()
{
    Falle falle(z_, QStringLiteral("frmSimulation:Form_Unload"));
    falle([&] { z_.SimAktiv = false; });
    falle([&] {
        kern_.SimKurveVerwerfen(hakenVorher_.value_or(GraphCore::FktHakenStand{}));
        hakenVorher_.reset();
    });
}

// Escape closes the window like its close box: the curve is dropped.
void frmSimulation::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    Dialogfenster::keyPressEvent(e);
}

void frmSimulation::cmdOK_Click()
{
    Falle falle(z_, QStringLiteral("frmSimulation:cmdOK_Click"));
    // Only a curve drawn in this showing becomes a function, and the table
    // never holds more than ten.
    falle([&] {
        if (kurveGezeichnet_ && z_.AnzFkt < MaxFkt)
            z_.AnzFkt += 1;
        kurveGezeichnet_ = false;
        hakenVorher_.reset();
    });
    falle([&] { hide(); });
}

// A change that comes while another runs waits until that one is done:
// changes never run inside one another, and the curve in the free slot is
// always the one of the bars' values.
void frmSimulation::VScroll_Change(int j)
{
    offen_ |= 1 << j;
    if (ändert_)
        return;
    ändert_ = true;
    std::optional<LoslassendePlattform> loslassend;
    if (z_.plattform)
        loslassend.emplace(z_, std::array{VScroll1, VScroll2, VScroll3});
    while (offen_) {
        const int k = std::countr_zero(unsigned(offen_));
        offen_ &= ~(1 << k);
        Schritt(k);
    }
    loslassend.reset();
    ändert_ = false;
}

void frmSimulation::Schritt(int j)
{
    Falle falle(z_, QStringLiteral("frmSimulation:VScroll%1_Change").arg(j));
    kern_.NeuZeichnen(falle);
    std::optional<SimArt> art;
    falle([&] { art = SimArtVon(windowTitle()); });
    if (!art)
        return;
    const bool allg = *art == SimArt::AllgParabel;
    if (j < 3 || allg)
        falle([&] {
            const float v = wert(*art, j);
            feld(j)->setText(j == 1 ? ZweiStellenText(v) : wertText(*art, j));
        });
    falle([&] {
        const QString t1 = txtEingabe1->text(), t2 = txtEingabe2->text(), t3 = txtEingabe3->text();
        const QString q = QStringLiteral(")² ");
        if (*art == SimArt::Gerade)
            labGleichung->setText(QStringLiteral("y = ") + t1 + QStringLiteral("x ") + VZ(t2));
        else if (allg)
            labGleichung->setText(QStringLiteral("y = ") + t1 + QStringLiteral("(x ") + VZ_minus(t2) +
                                  q + VZ(t3));
        else
            labGleichung->setText(QStringLiteral("y = (x ") + VZ_minus(t1) + q + VZ(t2));
    });
    falle([&] {
        SimWert1 = wert(*art, 1);
        SimWert2 = wert(*art, 2);
        if (allg)
            z_.Eingabe3 = wertText(*art, 3);
    });
    falle([&] {
        const QString w1 = StrTextSingle(SimWert1), w2 = StrTextSingle(SimWert2);
        bool gezeichnet = false;
        if (*art == SimArt::Gerade)
            gezeichnet = kern_.SimGeradeZeichnen(w1, w2);
        else if (allg)
            gezeichnet =
                kern_.simAllgParabelZeichnen(w1, w2, StrTextSingle(AusLandestext(z_.Eingabe3)));
        else
            gezeichnet = kern_.simNormParabelZeichnen(w1, w2);
        kurveGezeichnet_ = kurveGezeichnet_ || gezeichnet;
    });
}

QString frmSimulation::FGL(const QString& xs, const QString& ys) const
{
    Falle falle(z_, QStringLiteral("frmSimulation:FGL"));
    QString gleichung;
    falle([&] {
        if (xs == QLatin1String("0"))
            gleichung = QStringLiteral("y = (x") + VZ_minus(xs) + QStringLiteral(")² ") + VZ(ys);
    });
    return gleichung;
}

void frmSimulation::ZeichneParabel(float a, float xs, float ys)
{
    const double E = z_.Einheit;
    ZeichneKurve(QStringLiteral("frmSimulation:ZeichneParabel"),
                 [&](float x) { return double(a) / E * std::pow(x - E * xs, 2) + E * ys; });
}

void frmSimulation::ZeichneGerade(float m, float b)
{
    const double E = z_.Einheit;
    ZeichneKurve(QStringLiteral("frmSimulation:ZeichneGerade"),
                 [&](float x) { return double(m) * x + E * b; });
}

// Samples y(x) every 0.1 mm across the grid straight onto the sheet, where
// it lies inside the grid.
void frmSimulation::ZeichneKurve(const QString& ort, const std::function<double(float)>& y)
{
    Falle falle(z_, ort);
    GraphCore& g = kern_;
    Ausgabe& aus = *g.ausgabe;
    falle([&] { aus.DrawWidth = StrichBreite(0.6f, aus); });
    falle([&] {
        for (float x = -g.xHalb; x <= g.xHalb; x = x + 0.1f) {
            const double wert = y(x);
            if (std::fabs(wert) < g.yHalb)
                aus.PSet(g.XPos(x), g.YPos(float(wert)), aus.ForeColor);
        }
    });
}
