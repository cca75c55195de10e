// The small commands of the main window that change how the sheet looks or
// what surrounds it: axes, unit, view, colours, equations, heading, help.

#include "main_window/main_window.h"

#include "core/error_log.h"
#include "core/platform.h"
#include "core/scroll_bar.h"
#include "main_window/function_file.h"

#include <QAction>

namespace {
constexpr int32_t Weiß = 0xFFFFFF;
constexpr int32_t Schwarz = 0x0;
constexpr int32_t PunktGrün = 0x8000;  // the point labels' colour, no function's
}  // namespace

void frmTessarolen::mnuAchsenZeichnen_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuAchsenZeichnen_Click"));
    falle([&] { kern_->Achsen(); });
}

void frmTessarolen::mnuEinheit_Click(int Index)
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuEinheit_Click"));
    falle([&] { z_.Einheit = Index == 0 ? 10.0f : (Index == 1 ? 5.0f : 20.0f); });
    kern_->NeuZeichnen(falle);
}

void frmTessarolen::Ansichtswechsel(const QString& name, float zoom, int16_t bildlauf)
{
    Falle falle(z_, QStringLiteral("frmTessarolen:") + name);
    falle([&] { kern_->Zoom = zoom; });
    kern_->NeuZeichnen(falle);
    falle([&] { VScroll1->SetzeValue(bildlauf); });
}

void frmTessarolen::mnuNormalAnsicht_Click()
{
    Ansichtswechsel(QStringLiteral("mnuNormalAnsicht_Click"), 1.0f, 9);
}

void frmTessarolen::mnuGanzeSeite_Click()
{
    Ansichtswechsel(QStringLiteral("mnuGanzeSeite_Click"), 0.5f, 75);
}

// Reports nothing: cancelling the colour dialog, or any failure, sets all ten
// colours back to their defaults and ends the command.
void frmTessarolen::mnuFarben_Click()
{
    GraphCore& k = *kern_;
    Plattform& p = *z_.plattform;
    const QString hinweis = QStringLiteral("Hinweis...");
    try {
        const QString text = QStringLiteral("Es können nacheinander die ") + QString::number(10) +
                             QStringLiteral(" verschiedenen Farben\rfür die Funktionsdarstellung "
                                            "gewählt werden.\rDie jeweils aktuelle Farbe ist im "
                                            "Farbfeld markiert.");
        if (p.MsgBox(text, MsgSymbol::Keins, MsgKnoepfe::OKAbbrechen, hinweis) != MsgAntwort::OK)
            return;
        for (k.LaufIndex = 1; k.LaufIndex <= 10;) {
            const int16_t i = k.LaufIndex;
            const std::optional<int32_t> wahl = p.FarbDialog(
                k.fkt.Farbe[size_t(i)],
                std::vector<int32_t>(k.fkt.Farbe.begin() + 1, k.fkt.Farbe.begin() + 11));
            if (!wahl) {
                k.DefFarben();
                return;
            }
            bool vergeben = *wahl == PunktGrün;
            for (int16_t j = 1; j < i; ++j)
                vergeben = vergeben || k.fkt.Farbe[size_t(j)] == *wahl;
            if (vergeben) {
                p.MsgBox(QStringLiteral("Farbe schon gewählt!"), MsgSymbol::Information,
                         MsgKnoepfe::OK, hinweis);
                continue;
            }
            k.fkt.Farbe[size_t(i)] = *wahl;
            ++k.LaufIndex;
        }
    } catch (...) {
        k.DefFarben();
    }
}

// Qt has already toggled the item's check mark when this runs.
void frmTessarolen::mnuFunktionsgleichungenAusblenden_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuFunktionsgleichungenAusblenden_Click"));
    GraphCore& k = *kern_;
    falle([&] {
        k.GleichungenAus = Aktion(QStringLiteral("mnuFunktionsgleichungenAusblenden"))->isChecked();
    });
    for (k.LaufIndex = 1; k.LaufIndex <= z_.AnzFkt; ++k.LaufIndex)
        falle([&] { k.MenüChkFktLöschen(k.LaufIndex); });
    k.NeuZeichnen(falle, {}, [&] { k.MenüTessarolenEintragen(); });
}

void frmTessarolen::mnuÜberschrift_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuÜberschrift_Click"));
    GraphCore& k = *kern_;
    falle([&] { k.Text(k.Überschrift, -k.xHalb, k.yHalb + 10.0f, 10.0f, true, Weiß); });
    falle([&] {
        k.Überschrift =
            ÜberschriftAbfragen(QStringLiteral("Bezeichnung der Aufgabe:"), QStringLiteral("Eingabe..."));
    });
    falle([&] { k.Text(k.Überschrift, -k.xHalb, k.yHalb + 10.0f, 10.0f, true, Schwarz); });
}

// "Anleitung" and the help key: the help on its start page, with its
// contents and index.
void frmTessarolen::mnuAnleitung_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuAnleitung_Click"));
    falle([&] { z_.plattform->HilfeZeigen(HilfeDatei, 100); });
}

QString frmTessarolen::ÜberschriftAbfragen(const QString& prompt, const QString& titel)
{
    return FktDateiText(z_.plattform->InputBox(prompt, titel, kern_->Überschrift));
}
