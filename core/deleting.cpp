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
// Removes the marked entries (numbers 1 ... n) from the table: later slots
// move down, the last slot is emptied; every entry's list items and label go
// (they are built again by the redraw). Answers the new count.
template <class Tabelle, class EintragWeg>
int16_t RückeZusammen(Falle& falle, int16_t n, const std::function<bool(int16_t)>& markiert,
                      Tabelle& tabelle, int letzter, EintragWeg eintragWeg,
                      std::array<QLabel*, 11>& beschriftung)
{
    int16_t verbleibend = n;
    int16_t entfernt = 0;
    for (int16_t k = 1; k <= n; ++k) {
        falle([&] {
            if (!markiert(k))
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

void GraphCore::FunktionenEntfernen(Falle& falle, const std::function<bool(int16_t)>& markiert)
{
    z.AnzFkt = RückeZusammen(falle, z.AnzFkt, markiert, fkt, MaxFkt,
                             [this](int16_t k) { MenüChkFktLöschen(k); }, FunkBeschriftung);
    NeuZeichnen(falle, {}, [this] { MenüTessarolenEintragen(); });
}

void GraphCore::PunkteEntfernen(Falle& falle, const std::function<bool(int16_t)>& markiert)
{
    z.AnzPkt = RückeZusammen(falle, z.AnzPkt, markiert, pkt, MaxPkt,
                             [this](int16_t k) { MenüChkPktLöschen(k); }, PunktBeschriftung);
    NeuZeichnen(falle, [this] { MenüPunkteEintragen(); });
}

void GraphCore::TessarolenLöschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:TessarolenLöschen"));
    LöschDialog& d = FktLöschen();
    FunktionenEntfernen(falle, [&d](int16_t k) { return d.chkLöschen.Angehakt(k - 1); });
}

void GraphCore::PunkteLöschen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PunkteLöschen"));
    LöschDialog& d = PktLöschen();
    PunkteEntfernen(falle, [&d](int16_t k) { return d.chkLöschen.Angehakt(k - 1); });
}
