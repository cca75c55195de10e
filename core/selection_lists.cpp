// The entries of the selection and deletion dialogs: one check box per
// function and per point in each of the two dialogs of its kind, and the
// queries that find the ticked ones.

#include "core/deletion_dialogs.h"
#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/number_text.h"
#include "core/selection_dialogs.h"

#include <QCheckBox>

namespace {

// Puts entry k at the top of its column slot, captions it and shows it.
void SetzeEintrag(QCheckBox& chk, int k, const QString& beschriftung)
{
    chk.move(chk.x(), k * chk.height());
    chk.setText(beschriftung);
    chk.setVisible(true);
}

// The three steps that create and caption the entries of number i in a
// selection list and a deletion list; each step runs inside schritt.
template <class Schritt>
void EintragenIn(ChkFeld& wahl, ChkFeld& löschen, int i, const QString& beschriftung,
                 Schritt&& schritt)
{
    if (i > 1) {
        schritt([&] { wahl.Laden(i - 1); });
        schritt([&] { wahl.SetzeHaken(i - 2, false); });
        schritt([&] { löschen.Laden(i - 1); });
        schritt([&] { löschen.SetzeHaken(i - 2, false); });
    }
    schritt([&] {
        QCheckBox& chk = wahl(i - 1);
        SetzeEintrag(chk, i - 1, beschriftung);
        chk.setChecked(true);
    });
    schritt([&] { SetzeEintrag(löschen(i - 1), i - 1, beschriftung); });
}

// Removes entry i: elements from 1 on are destroyed, element 0 of the design
// is hidden. Its tick goes with it, so that a later entry in its place does
// not start ticked.
void EntferneEintrag(ChkFeld& feld, int i)
{
    if (i > 1) {
        feld.Entladen(i - 1);
    } else {
        feld(0).setChecked(false);
        feld(0).hide();
    }
}

// The number of the first ticked entry from start to anzahl, 0 if none.
int16_t ErsterHaken(Programmzustand& z, const ChkFeld& feld, int16_t start, int16_t anzahl,
                    const QString& ort)
{
    Falle falle(z, ort);
    for (int k = start; k <= anzahl; ++k) {
        bool angehakt = false;
        falle([&] { angehakt = feld.Angehakt(k - 1); });
        if (angehakt)
            return static_cast<int16_t>(k);
    }
    return 0;
}

}  // namespace

frmFktWahl& GraphCore::FktWahl()
{
    frmFktWahl& d = HoleFenster<frmFktWahl>(fktWahl_, z);
    if (!d.Aktion)
        d.Aktion = [this](int Index) { FktWahlAktion(Index); };
    return d;
}

frmPktWahl& GraphCore::PktWahl()
{
    frmPktWahl& d = HoleFenster<frmPktWahl>(pktWahl_, z);
    if (!d.Aktion)
        d.Aktion = [this](int Index) { PktWahlAktion(Index); };
    return d;
}

frmFktLöschen& GraphCore::FktLöschen()
{
    frmFktLöschen& d = HoleFenster<frmFktLöschen>(fktLöschen_);
    if (!d.Löschaktion)
        d.Löschaktion = [this] { TessarolenLöschen(); };
    return d;
}

frmPktLöschen& GraphCore::PktLöschen()
{
    frmPktLöschen& d = HoleFenster<frmPktLöschen>(pktLöschen_);
    if (!d.Löschaktion)
        d.Löschaktion = [this] { PunkteLöschen(); };
    return d;
}

void GraphCore::MenüFunktionsEinträge(int16_t i)
{
    // From function 2 on a failing step is passed over without a message.
    Falle falle(z, QStringLiteral("frmTessarolen:MenüFunktionsEinträge"));
    auto schritt = [&](auto&& s) {
        if (i <= 1) {
            falle(s);
            return;
        }
        try {
            s();
        } catch (const std::exception&) {
        }
    };
    QString beschriftung;
    schritt([&] {
        beschriftung = (fkt.FktArt.at(static_cast<size_t>(i)) == QLatin1String("GE")
                            ? QStringLiteral("g")
                            : QStringLiteral("p")) +
                       QString::number(i);
        if (!GleichungenAus)
            beschriftung += QLatin1Char(':') + fkt.FktText.at(static_cast<size_t>(i));
    });
    EintragenIn(FktWahl().chkFkt, FktLöschen().chkLöschen, i, beschriftung, schritt);
}

void GraphCore::MenüTessarolenEintragen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:MenüTessarolenEintragen"));
    const int16_t ende = z.AnzFkt;
    for (int i = 1; i <= ende; ++i)
        falle([&] { MenüFunktionsEinträge(static_cast<int16_t>(i)); });
}

void GraphCore::MenüPunktEinträge(int16_t n)
{
    Falle falle(z, QStringLiteral("frmTessarolen:MenüPunktEinträge"));
    QString beschriftung;
    falle([&] {
        const auto k = static_cast<size_t>(n);
        beschriftung = pkt.PktName.at(k) + QString::number(n) + QLatin1Char('(') +
                       FormatRaute0(pkt.PktX.at(k)) + QLatin1Char('/') +
                       FormatRaute0(pkt.PktY.at(k)) + QLatin1Char(')');
    });
    EintragenIn(PktWahl().chkPkt, PktLöschen().chkLöschen, n, beschriftung, falle);
}

void GraphCore::MenüPunkteEintragen()
{
    Falle falle(z, QStringLiteral("frmTessarolen:MenüPunkteEintragen"));
    const int16_t ende = z.AnzPkt;
    for (int n = 1; n <= ende; ++n)
        falle([&] { MenüPunktEinträge(static_cast<int16_t>(n)); });
}

int16_t GraphCore::aktuelleFunktion(int16_t start)
{
    return ErsterHaken(z, FktWahl().chkFkt, start, z.AnzFkt,
                       QStringLiteral("frmTessarolen:aktuelleFunktion"));
}

int16_t GraphCore::aktuellerPunkt(int16_t start)
{
    return ErsterHaken(z, PktWahl().chkPkt, start, z.AnzPkt,
                       QStringLiteral("frmTessarolen:aktuellerPunkt"));
}

void GraphCore::MenüChkFktLöschen(int16_t i)
{
    Falle falle(z, QStringLiteral("frmTessarolen:MenüChkFktLöschen"));
    falle([&] { EntferneEintrag(FktLöschen().chkLöschen, i); });
    falle([&] { EntferneEintrag(FktWahl().chkFkt, i); });
}

void GraphCore::MenüChkPktLöschen(int16_t i)
{
    Falle falle(z, QStringLiteral("frmTessarolen:MenüChkPktLöschen"));
    falle([&] { EntferneEintrag(PktLöschen().chkLöschen, i); });
    falle([&] { EntferneEintrag(PktWahl().chkPkt, i); });
}
