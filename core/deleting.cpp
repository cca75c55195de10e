// Clearing the whole drawing, and deleting the functions or points ticked
// in the deletion dialogs, with the tables closed up and the sheet redrawn.

#include "core/deletion_dialogs.h"
#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/sheet_widget.h"

#include <QLabel>

namespace {
void entferne(QLabel*& beschriftung)
{
    delete beschriftung;
    beschriftung = nullptr;
}
}  // namespace

void GraphCore::Löschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:Löschen"));
    falle([&] { picSchaubild.Flaeche().Cls(); });
    falle([&] { Überschrift.clear(); });
    falle([&] { Achsen(); });
    const int16_t anzFkt = z.AnzFkt;
    for (int16_t i = 1; i <= anzFkt; ++i) {
        falle([&] { fkt.Leere(i); });
        falle([&] { MenüChkFktLöschen(i); });
        falle([&] { entferne(FunkBeschriftung[i]); });
    }
    const int16_t anzPkt = z.AnzPkt;
    for (int16_t i = 1; i <= anzPkt; ++i) {
        falle([&] { entferne(PunktBeschriftung[i]); });
        falle([&] { pkt.Leere(i); });
        falle([&] { MenüChkPktLöschen(i); });
    }
    z.AnzFkt = 0;
    z.AnzPkt = 0;
}

void GraphCore::TessarolenLöschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:TessarolenLöschen"));
    const int16_t n = z.AnzFkt;
    int16_t verbleibend = n;
    int16_t entfernt = 0;
    for (int16_t k = 1; k <= n; ++k) {
        falle([&] {
            if (!FktLöschen().chkLöschen.Angehakt(k - 1))
                return;
            verbleibend -= 1;
            const int s = k - entfernt;
            for (int j = s; j <= MaxFkt - 1; ++j)
                fkt.Kopiere(j + 1, j);
            fkt.Leere(MaxFkt);
            entfernt += 1;
        });
        falle([&] { MenüChkFktLöschen(k); });
        falle([&] { entferne(FunkBeschriftung[k]); });
    }
    z.AnzFkt = verbleibend;
    falle([&] { picSchaubild.Flaeche().Cls(); });
    falle([&] { Achsen(); });
    falle([&] { TessarolenZeichnen(); });
    falle([&] { MenüTessarolenEintragen(); });
    falle([&] { PunkteZeichnen(); });
}

void GraphCore::PunkteLöschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PunkteLöschen"));
    const int16_t n = z.AnzPkt;
    int16_t verbleibend = n;
    int16_t entfernt = 0;
    for (int16_t k = 1; k <= n; ++k) {
        falle([&] {
            if (!PktLöschen().chkLöschen.Angehakt(k - 1))
                return;
            verbleibend -= 1;
            const int s = k - entfernt;
            for (int j = s; j <= MaxPkt - 1; ++j)
                pkt.Kopiere(j + 1, j);
            pkt.Leere(MaxPkt);
            entfernt += 1;
        });
        falle([&] { MenüChkPktLöschen(k); });
        falle([&] { entferne(PunktBeschriftung[k]); });
    }
    z.AnzPkt = verbleibend;
    falle([&] { picSchaubild.Flaeche().Cls(); });
    falle([&] { Achsen(); });
    falle([&] { MenüPunkteEintragen(); });
    falle([&] { TessarolenZeichnen(); });
    falle([&] { PunkteZeichnen(); });
}
