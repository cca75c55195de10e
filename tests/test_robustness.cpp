// Hostile values through every operation of the sheet: a long random run of
// extreme functions and points, analyses, unit changes and deletions. Error
// boxes are allowed; a crash, undefined behaviour (the sanitizer build), a
// value that is not finite in a table, or a count out of range is not.

#include "core/deletion_dialogs.h"
#include "core/selection_dialogs.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void randomHostileRun()
    {
        Zeichenblatt s;
        QRandomGenerator zufall(20261206);
        const float werte[] = {0.0f, 1.0f, -1.0f, 0.5f, 3e38f, -3e38f, 1e-38f, 1e20f, -123.456f, 500.0f, 501.0f, 7.0f};
        auto wert = [&] { return werte[zufall.bounded(int(std::size(werte)))]; };
        const char* arten[] = {"GE", "NP", "SP", "AP"};
        auto ticke = [&](ChkFeld& feld, int n) { for (int i = 0; i < n; ++i) feld(i).setChecked(zufall.bounded(3) == 0); };
        for (int schritt = 0; schritt < 400; ++schritt) {
            GraphCore& g = s.g;
            const int wahl = zufall.bounded(8);
            if (wahl < 2 && s.z.AnzFkt < MaxFkt) {
                const int16_t i = s.neu(arten[zufall.bounded(4)], wert(), wert(), wert(), wert(), wert());
                g.fkt.m[i] = wert(), g.fkt.b[i] = wert(), g.fkt.xSenkrecht[i] = g.fkt.xSenkrecht2[i] = wert();
                g.FunktionZeichnen(i), g.MenüFunktionsEinträge(i);
            } else if (wahl == 2 && s.z.AnzPkt < MaxPkt) {
                const int16_t n = s.punkt(wert(), wert());
                g.PunktZeichnen(g.pkt.PktX[n], g.pkt.PktY[n], g.pkt.PktName[n], n), g.MenüPunktEinträge(n);
            } else if (wahl == 3 || wahl == 4) {  // the point test needs typed input
                ticke(wahl == 3 ? g.FktWahl().chkFkt : g.PktWahl().chkPkt, wahl == 3 ? s.z.AnzFkt : s.z.AnzPkt);
                wahl == 3 ? g.FktWahl().Aktion(zufall.bounded(4)) : g.PktWahl().Aktion(zufall.bounded(3));
            } else if (wahl == 5 || wahl == 6) {
                ticke(wahl == 5 ? g.FktLöschen().chkLöschen : g.PktLöschen().chkLöschen, wahl == 5 ? s.z.AnzFkt : s.z.AnzPkt);
                wahl == 5 ? g.TessarolenLöschen() : g.PunkteLöschen();
            } else if (wahl == 7) {
                s.z.Einheit = std::array{10.0f, 5.0f, 20.0f}[zufall.bounded(3)], g.Zoom = zufall.bounded(2) ? 1.0f : 0.5f;
                zufall.bounded(10) == 0 ? g.Löschen() : s.neuZeichnen();
            }
            const QByteArray schrittText = "step " + QByteArray::number(schritt);
            QVERIFY2(s.z.AnzFkt >= 0 && s.z.AnzFkt <= MaxFkt && s.z.AnzPkt >= 0 && s.z.AnzPkt <= MaxPkt, schrittText);
            for (int i = 1; i <= MaxFkt; ++i) {
                for (float v : {g.fkt.m[i], g.fkt.b[i], g.fkt.a[i], g.fkt.p[i], g.fkt.q[i], g.fkt.xs[i], g.fkt.ys[i],
                                g.fkt.FktLabelX[i], g.fkt.FktLabelY[i], g.pkt.PktX[i], g.pkt.PktY[i], g.pkt.PktLabelX[i],
                                g.pkt.PktLabelY[i]})
                    QVERIFY2(std::isfinite(v), schrittText);
                QVERIFY2(!g.fkt.FktText[i].contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)),
                         schrittText);
            }
        }
    }
};

TESSAROLEN_TEST_MAIN(RobustnessTest)
#include "test_robustness.moc"
