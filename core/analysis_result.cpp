// The quadratic solver that every analysis with a parabola ends in, and the
// result window that shows what an analysis found.

#include "core/analysis_math.h"
#include "core/analysis_steps.h"
#include "core/error_log.h"
#include "core/result_window.h"

#include <QLabel>

void Hinweis(GraphCore& k, const QString& text) { k.z.plattform->MsgBox(text); }

bool EineFunktionGewaehlt(GraphCore& k)
{
    k.FktNr1 = k.aktuelleFunktion(1);
    k.FktNr2 = k.aktuelleFunktion(int16_t(k.FktNr1 + 1));
    if (k.FktNr1 == 0) {
        Hinweis(k, QStringLiteral("Es ist keine Funktion ausgewählt!!"));
        return false;
    }
    if (k.FktNr2 >= 1) {
        Hinweis(k, QStringLiteral("Es ist mehr als eine Funktion ausgewählt!!"));
        return false;
    }
    return true;
}

bool NeuerPunktPlatz(GraphCore& k)
{
    k.z.AnzPkt += 1;
    if (k.z.AnzPkt <= MaxPkt)
        return true;
    Hinweis(k, PunktGrenzeText());
    k.z.AnzPkt -= 1;
    return false;
}

frmPunkte& GraphCore::Punkte() { return HoleFenster<frmPunkte>(punkte_); }

void GraphCore::MitternachtsFormel(float p, float q)
{
    Falle falle(z, QStringLiteral("frmTessarolen:MitternachtsFormel"));
    falle([&] { Diskriminante = DiskriminanteVon(p, q); });
    AnzLösungen = LoesungsAnzahl(Diskriminante);
    if (AnzLösungen == 0)
        return;
    // The count is raised before the limit test and stays raised past the
    // limit; SchnittPunkteZeigen of the same analysis lowers it again.
    z.AnzPkt += AnzLösungen;
    if (z.AnzPkt > MaxPkt) {
        falle([&] { Hinweis(*this, PunktGrenzeText()); });
        return;
    }
    const int16_t n = z.AnzPkt;
    if (AnzLösungen == 1) {
        falle([&] { pkt.PktX[n] = DoppelteWurzel(p); });
    } else {
        falle([&] { pkt.PktX[n - 1] = GroessereWurzel(p, Diskriminante); });
        falle([&] { pkt.PktX[n] = KleinereWurzel(p, Diskriminante); });
    }
}

void GraphCore::SchnittPunkteZeigen(int16_t Anzahl, const QString& Art)
{
    Falle falle(z, QStringLiteral("frmTessarolen:SchnittPunkteZeigen"));
    if (z.AnzPkt > MaxPkt) {
        // The analysis hit the limit and has said so: back to the old count.
        z.AnzPkt -= Anzahl;
        return;
    }
    frmPunkte* fenster = nullptr;
    falle([&] { fenster = &Punkte(); });
    if (!fenster)
        return;
    falle([&] { fenster->Label1->setText(ErgebnisSatz(Anzahl, Art, FktNr1, FktNr2)); });

    const int16_t n = z.AnzPkt;
    auto punktZeile = [&](QLabel* zeile, int16_t k) {
        falle([&] {
            zeile->setText(PunktText(Art, k, pkt.PktX[k], pkt.PktY[k]));
            zeile->setVisible(true);
        });
    };
    if (Anzahl == 1) {
        punktZeile(fenster->labP1, n);
        falle([&] { fenster->labP2->setVisible(false); });
        falle([&] { pkt.PktName[n] = Art; });
        falle([&] { MenüPunktEinträge(n); });
        falle([&] { PunktZeichnen(pkt.PktX[n], pkt.PktY[n], Art, n); });
    } else if (Anzahl == 2) {
        punktZeile(fenster->labP1, int16_t(n - 1));
        punktZeile(fenster->labP2, n);
        falle([&] { pkt.PktName[n - 1] = Art; });
        falle([&] { pkt.PktName[n] = Art; });
        falle([&] { MenüPunktEinträge(int16_t(n - 1)); });
        falle([&] { MenüPunktEinträge(n); });
        falle([&] { PunktZeichnen(pkt.PktX[n - 1], pkt.PktY[n - 1], Art, int16_t(n - 1)); });
        falle([&] { PunktZeichnen(pkt.PktX[n], pkt.PktY[n], Art, n); });
    } else {
        falle([&] {
            fenster->labP1->setVisible(false);
            fenster->labP2->setVisible(false);
        });
    }
    falle([&] { fenster->setWindowTitle(ErgebnisTitel(Art)); });
    falle([&] {
        fenster->show();
        fenster->activateWindow();
    });
}
