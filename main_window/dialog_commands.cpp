// The menu commands that fit a selection or deletion dialog to the current
// number of functions or points and show it.

#include "core/check_box_array.h"
#include "core/deletion_dialogs.h"
#include "core/error_log.h"
#include "core/selection_dialogs.h"
#include "core/twips.h"
#include "main_window/main_window.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// Action buttons from n entries down, "Abbrechen" 40 below the last one.
void ordneWahlDialog(WahlDialog& d, int n, int links, int abbrechenHoehe)
{
    d.SetzeLage(links, 550);
    const int h = HoeheTwips(d.Einträge(0));
    SetzeObenTwips(d.cmdAktion(0), n * h);
    for (int i = 1; i < d.AnzahlAktionen(); ++i)
        SetzeObenTwips(d.cmdAktion(i), ObenTwips(d.cmdAktion(i - 1)) + HoeheTwips(d.cmdAktion(0)));
    const QPushButton& letzte = d.cmdAktion(d.AnzahlAktionen() - 1);
    SetzeObenTwips(d.cmdAbbrechen(), ObenTwips(letzte) + abbrechenHoehe + 40);
    d.SetzeHöhe((d.AnzahlAktionen() + 1) * HoeheTwips(d.cmdAktion(0)) + ObenTwips(d.cmdAktion(0)) + 120);
}

void ordneLöschDialog(LöschDialog& d, int n, const QString& caption)
{
    d.setWindowTitle(caption);
    d.SetzeLage(2900, 550);
    const int h = HoeheTwips(d.chkLöschen(0));
    SetzeObenTwips(d.cmdLöschen(), n * h + 40);
    SetzeObenTwips(d.cmdAbbrechen(), ObenTwips(d.cmdLöschen()) + HoeheTwips(d.cmdLöschen()) + 40);
    d.SetzeHöhe(ObenTwips(d.cmdAbbrechen()) + HoeheTwips(d.cmdAbbrechen()) + 510);
}

}  // namespace

void frmTessarolen::mnuSchnittpunkte_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuSchnittpunkte_Click"));
    falle([&] {
        frmFktWahl& d = kern_->FktWahl();
        ordneWahlDialog(d, z_.AnzFkt, 3700, HoeheTwips(d.cmdAbbrechen()));
    });
    falle([&] { kern_->FktWahl().ZeigeModal(); });
}

void frmTessarolen::mnuFktPkt_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuFktPkt_Click"));
    falle([&] {
        frmPktWahl& d = kern_->PktWahl();
        ordneWahlDialog(d, z_.AnzPkt, 5200, HoeheTwips(d.cmdAktion(0)));
    });
    falle([&] { kern_->PktWahl().ZeigeModal(); });
}

void frmTessarolen::mnuTessarolenLöschen_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuTessarolenLöschen_Click"));
    falle([&] { ordneLöschDialog(kern_->FktLöschen(), z_.AnzFkt, QStringLiteral("Tessarolen löschen")); });
    falle([&] { kern_->FktLöschen().ZeigeModal(); });
}

void frmTessarolen::mnuPunkteLöschen_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuPunkteLöschen_Click"));
    falle([&] { ordneLöschDialog(kern_->PktLöschen(), z_.AnzPkt, QStringLiteral("Punkte löschen")); });
    falle([&] { kern_->PktLöschen().ZeigeModal(); });
}
