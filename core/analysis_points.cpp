// The analyses of two ticked points: the line and the normal parabola
// through them, and their distance.

#include "core/analysis_math.h"
#include "core/analysis_steps.h"
#include "core/error_log.h"

namespace {

// P1 and P2 for an analysis of exactly two ticked points; tells the user and
// answers false otherwise.
bool ZweiPunkteGewaehlt(GraphCore& k, int16_t& P1, int16_t& P2)
{
    P1 = k.aktuellerPunkt(1);
    P2 = k.aktuellerPunkt(int16_t(P1 + 1));
    const int16_t P3 = k.aktuellerPunkt(int16_t(P2 + 1));
    const QString hinweis = QStringLiteral("Hinweis...");
    if (P1 == 0 || P2 == 0) {
        k.z.plattform->MsgBox(QStringLiteral("Es müssen 2 Punkte ausgewählt werden!!"),
                              MsgSymbol::Information, MsgKnoepfe::OK, hinweis);
        return false;
    }
    if (P3 >= 1) {
        k.z.plattform->MsgBox(QStringLiteral("Es sind mehr als 2 Punkte ausgewählt!!"),
                              MsgSymbol::Information, MsgKnoepfe::OK, hinweis);
        return false;
    }
    return true;
}

bool FunktionsPlatz(GraphCore& k)
{
    if (k.z.AnzFkt < MaxFkt)
        return true;
    Hinweis(k, FunktionsGrenzeText());
    return false;
}

}  // namespace

void GraphCore::PktGerade()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PktGerade"));
    int16_t P1 = 0, P2 = 0;
    bool bereit = false;
    falle([&] { bereit = ZweiPunkteGewaehlt(*this, P1, P2) && FunktionsPlatz(*this); });
    if (!bereit)
        return;
    z.AnzFkt += 1;
    const int16_t n = z.AnzFkt;
    const float x1 = pkt.PktX[P1], y1 = pkt.PktY[P1], x2 = pkt.PktX[P2], y2 = pkt.PktY[P2];
    // Stored only when every step went through; a failure has been reported.
    GeradeAusPunkten g;
    if (!falle([&] { g = GeradeDurch(x1, y1, x2, y2); })) {
        z.AnzFkt -= 1;
        return;
    }
    fkt.a[n] = 0.0f;
    if (g.senkrecht) {
        fkt.xSenkrecht2[n] = x1;
        fkt.xSenkrecht[n] = x2;
    }
    fkt.m[n] = g.m;
    fkt.b[n] = g.b;
    fkt.FktArt[n] = QStringLiteral("GE");
    falle([&] { GeradeZeichnen(z.AnzFkt); });
    falle([&] { MenüFunktionsEinträge(z.AnzFkt); });
}

void GraphCore::PktNormalparabel()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PktNormalparabel"));
    int16_t P1 = 0, P2 = 0;
    bool bereit = false;
    falle([&] { bereit = ZweiPunkteGewaehlt(*this, P1, P2) && FunktionsPlatz(*this); });
    if (!bereit)
        return;
    const float x1 = pkt.PktX[P1], y1 = pkt.PktY[P1], x2 = pkt.PktX[P2], y2 = pkt.PktY[P2];
    z.AnzFkt += 1;
    if (x1 == x2) {
        z.AnzFkt -= 1;
        falle([&] {
            z.plattform->MsgBox(
                QStringLiteral(
                    "Durch zwei senkrecht übereinander liegende Punkte gibt es keine Parabel!"),
                MsgSymbol::Information, MsgKnoepfe::OK, QStringLiteral("Tatsache..."));
        });
        return;
    }
    const int16_t n = z.AnzFkt;
    // Stored only when every step went through; a failure has been reported.
    NormalparabelAusPunkten np;
    if (!falle([&] { np = NormalparabelDurch(x1, y1, x2, y2); })) {
        z.AnzFkt -= 1;
        return;
    }
    fkt.a[n] = 1.0f;
    fkt.p[n] = np.p;
    fkt.q[n] = np.q;
    fkt.xs[n] = np.xs;
    fkt.ys[n] = np.ys;
    fkt.FktArt[n] = QStringLiteral("NP");
    falle([&] { ParabelZeichnen(z.AnzFkt); });
    falle([&] { MenüFunktionsEinträge(z.AnzFkt); });
}

void GraphCore::PktAbstand()
{
    Falle falle(z, QStringLiteral("frmTessarolen:PktAbstand"));
    int16_t P1 = 0, P2 = 0;
    bool bereit = false;
    falle([&] { bereit = ZweiPunkteGewaehlt(*this, P1, P2); });
    if (!bereit)
        return;
    float d = 0.0f;
    // A distance that could not be computed is reported, never shown as 0.
    if (!falle([&] { d = Abstand(pkt.PktX[P1], pkt.PktY[P1], pkt.PktX[P2], pkt.PktY[P2]); }))
        return;
    falle([&] {
        z.plattform->MsgBox(QStringLiteral("Der Abstand beträgt:\r") + AbstandText(d),
                            MsgSymbol::Information, MsgKnoepfe::OK, QStringLiteral("Ergebnis..."));
    });
}
