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

namespace {
// Removes the ticked entries of a deletion dialog from the table: later
// slots move down, the last slot is emptied; every entry's list items and
// label go (they are built again by the redraw). Answers the new count.
template <class Tabelle, class EintragWeg>
int16_t RückeZusammen(Falle& falle, int16_t n, LöschDialog& dialog, Tabelle& tabelle, int letzter,
                      EintragWeg eintragWeg, std::array<QLabel*, 11>& beschriftung)
{
    int16_t verbleibend = n;
    int16_t entfernt = 0;
    for (int16_t k = 1; k <= n; ++k) {
        falle([&] {
            if (!dialog.chkLöschen.Angehakt(k - 1))
                return;
            verbleibend -= 1;
            for (int j = k - entfernt; j <= letzter - 1; ++j)
                tabelle.Kopiere(j + 1, j);
            tabelle.Leere(letzter);
            entfernt += 1;
        });
        falle([&] { eintragWeg(k); });
        falle([&] { entferne(beschriftung[k]); });
    }
    return verbleibend;
}
}  // namespace

void GraphCore::TessarolenLöschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:TessarolenLöschen"));
    z.AnzFkt = RückeZusammen(falle, z.AnzFkt, FktLöschen(), fkt, MaxFkt,
                             [this](int16_t k) { MenüChkFktLöschen(k); }, FunkBeschriftung);
    NeuZeichnen(falle, {}, [this] { MenüTessarolenEintragen(); });
}

void GraphCore::PunkteLöschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PunkteLöschen"));
    z.AnzPkt = RückeZusammen(falle, z.AnzPkt, PktLöschen(), pkt, MaxPkt,
                             [this](int16_t k) { MenüChkPktLöschen(k); }, PunktBeschriftung);
    NeuZeichnen(falle, [this] { MenüPunkteEintragen(); });
}
