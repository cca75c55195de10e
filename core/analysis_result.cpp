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

bool QuadratLoesen(GraphCore& k, float p, float q)
{
    Falle falle(k.z, QStringLiteral("frmTessarolen:MitternachtsFormel"));
    float d = 0.0f;
    if (!falle([&] { d = DiskriminanteVon(p, q); })) {
        k.AnzLösungen = 0;  // no discriminant, no roots
        return false;
    }
    k.Diskriminante = d;
    k.AnzLösungen = LoesungsAnzahl(d);
    if (k.AnzLösungen == 0)
        return true;
    // The count is raised before the limit test and stays raised past the
    // limit; SchnittPunkteZeigen of the same analysis lowers it again.
    k.z.AnzPkt += k.AnzLösungen;
    if (k.z.AnzPkt > MaxPkt) {
        falle([&] { Hinweis(k, PunktGrenzeText()); });
        return true;
    }
    const int16_t n = k.z.AnzPkt;
    float x1 = 0.0f, x2 = 0.0f;
    const bool gerechnet = k.AnzLösungen == 1 ? falle([&] { x1 = DoppelteWurzel(p); })
                                              : falle([&] { x1 = GroessereWurzel(p, d); }) &&
                                                    falle([&] { x2 = KleinereWurzel(p, d); });
    if (!gerechnet) {
        k.z.AnzPkt -= k.AnzLösungen;
        k.AnzLösungen = 0;
        return false;
    }
    if (k.AnzLösungen == 1) {
        k.pkt.PktX[n] = x1;
    } else {
        k.pkt.PktX[n - 1] = x1;
        k.pkt.PktX[n] = x2;
    }
    return true;
}

void GraphCore::MitternachtsFormel(float p, float q) { QuadratLoesen(*this, p, q); }

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
