// Clearing the drawing and deleting ticked functions and points: tables
// closed up, colours staying with the slot, labels and entries rebuilt.

#include "core/deletion_dialogs.h"
#include "core/selection_dialogs.h"
#include "core/sheet_widget.h"
#include "main_window/main_window.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

namespace {
struct Aufbau {
    SkriptPlattform plattform;
    Programmzustand z;
    std::unique_ptr<frmTessarolen> fenster;
    Aufbau()
    {
        z.plattform = &plattform;
        fenster = std::make_unique<frmTessarolen>(z);
        fenster->ProgrammBeenden = [] {};
    }
    GraphCore& k() { return fenster->Kern(); }
    Bildschirmflaeche& blatt() { return fenster->Blatt().Flaeche(); }

    // A function added as the commands add one: stored, drawn, listed.
    void gerade(float m, float b)
    {
        const int16_t n = ++z.AnzFkt;
        k().fkt.m[n] = m;
        k().fkt.b[n] = b;
        k().fkt.a[n] = 0.0f;
        k().fkt.FktArt[n] = QStringLiteral("GE");
        k().GeradeZeichnen(n);
        k().MenüFunktionsEinträge(n);
    }
    void senkrechte(float x)
    {
        const int16_t n = ++z.AnzFkt;
        k().fkt.m[n] = 501.0f;
        k().fkt.b[n] = 0.0f;
        k().fkt.a[n] = 0.0f;
        k().fkt.xSenkrecht[n] = k().fkt.xSenkrecht2[n] = x;
        k().fkt.FktArt[n] = QStringLiteral("GE");
        k().GeradeZeichnen(n);
        k().MenüFunktionsEinträge(n);
    }
    void punkt(float x, float y, const QString& name)
    {
        const int16_t n = ++z.AnzPkt;
        k().pkt.PktX[n] = x;
        k().pkt.PktY[n] = y;
        k().pkt.PktName[n] = name;
        k().PunktZeichnen(x, y, name, n);
        k().MenüPunktEinträge(n);
    }

    // Opens the deletion dialog through its menu item, ticks the entries
    // (1-based) and presses "Löschen" or "Abbrechen".
    void lösche(const char* menü, LöschDialog& d, QList<int> nummern, bool löschen = true)
    {
        QTimer::singleShot(0, [&d, nummern, löschen] {
            for (int i = 0; i < ChkFeld::Elemente; ++i)
                if (d.chkLöschen.Existiert(i))
                    d.chkLöschen(i).setChecked(nummern.contains(i + 1));
            QTest::mouseClick(löschen ? &d.cmdLöschen() : &d.cmdAbbrechen(), Qt::LeftButton);
        });
        fenster->Aktion(QString::fromUtf8(menü))->trigger();
    }
    void löscheFunktionen(QList<int> n, bool l = true) { lösche("mnuTessarolenLöschen", k().FktLöschen(), n, l); }
    void löschePunkte(QList<int> n, bool l = true) { lösche("mnuPunkteLöschen", k().PktLöschen(), n, l); }

    // Every entry, label and check box belongs to an existing function or point.
    void prüfeReste()
    {
        const GraphCore& g = k();
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(g.IsLoadedFkt(int16_t(i)), i <= z.AnzFkt);
            QCOMPARE(g.IsLoaded(int16_t(i)), i <= z.AnzPkt);
        }
        auto liste = [](const ChkFeld& f, int anzahl) {
            for (int e = 1; e < ChkFeld::Elemente; ++e)
                QCOMPARE(f.Existiert(e), e < anzahl);
            QVERIFY2(f(0).isVisibleTo(f(0).parentWidget()) == (anzahl >= 1), qPrintable(f.Name()));
        };
        liste(k().FktWahl().chkFkt, z.AnzFkt);
        liste(k().FktLöschen().chkLöschen, z.AnzFkt);
        liste(k().PktWahl().chkPkt, z.AnzPkt);
        liste(k().PktLöschen().chkLöschen, z.AnzPkt);
    }
};

// Sheet position in mm of a point of a line at x (LE), at 1 LE = 1 cm.
QPointF aufGerade(float m, float b, float x) { return {100.0 + 10 * x, 148.5 - 10 * (m * x + b)}; }
}  // namespace

class DeletingTest : public QObject {
    Q_OBJECT
private slots:
    void deleteFirstTwoOfThreeFunctions()
    {
        Aufbau a;
        a.gerade(1, 0);
        a.gerade(2, 1);
        a.gerade(-1, 3);
        a.k().fkt.FktLabelX[3] = 4.5f;  // as if dragged there
        a.k().fkt.FktLabelY[3] = 2.5f;
        a.löscheFunktionen({1, 2});
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        const FunktionsTabelle& t = a.k().fkt;
        QCOMPARE(t.m[1], -1.0f);
        QCOMPARE(t.b[1], 3.0f);
        QCOMPARE(t.FktLabelX[1], 4.5f);
        QCOMPARE(t.FktLabelY[1], 2.5f);
        QCOMPARE(t.FktArt[2], QString());
        QCOMPARE(t.m[2], 0.0f);
        // Drawn in the first colour; the others are gone from the sheet.
        const QPointF p = aufGerade(-1, 3, -2.0f);
        QCOMPARE(a.blatt().Point(float(p.x()), float(p.y())), 0xFF);
        const QPointF q = aufGerade(2, 1, 1.5f);
        QVERIFY(a.blatt().Point(float(q.x()), float(q.y())) != 0xFF00);
        QCOMPARE(a.k().FunkBeschriftung[1]->text(), QStringLiteral("g1"));
        QCOMPARE(a.k().FunkBeschriftung[1]->pos(),
                 QPoint(SheetWidget::AlsPixel(a.k().XPos(45.0f)), SheetWidget::AlsPixel(a.k().YPos(25.0f))));
        QCOMPARE(a.k().FktWahl().chkFkt(0).text(), QStringLiteral("g1:y=-x+3"));
        QVERIFY(a.k().FktWahl().chkFkt(0).isChecked());
        a.prüfeReste();
        // Colours stay with the slots.
        QCOMPARE(t.Farbe[1], 0xFF);
        QCOMPARE(t.Farbe[2], 0xFF00);
    }

    void deletePointsTwoAndFourOfFive()
    {
        Aufbau a;
        a.punkt(1, 1, "P");
        a.punkt(2, 2, "N");
        a.punkt(3, 3, "S");
        a.punkt(4, 4, "T");
        a.punkt(5, 5, "Q");
        a.k().pkt.PktLabelX[5] = 7.0f;
        a.löschePunkte({2, 4});
        QCOMPARE(a.z.AnzPkt, int16_t(3));
        const PunktTabelle& p = a.k().pkt;
        QCOMPARE((QList<float>{p.PktX[1], p.PktX[2], p.PktX[3]}), (QList<float>{1, 3, 5}));
        QCOMPARE((QStringList{p.PktName[1], p.PktName[2], p.PktName[3]}), (QStringList{"P", "S", "Q"}));
        QCOMPARE(p.PktLabelX[3], 7.0f);
        QCOMPARE(p.PktLabelY[2], 3.4f);
        QCOMPARE(p.PktX[4], 0.0f);
        QCOMPARE(a.k().PunktBeschriftung[3]->text(), QStringLiteral("Q3(5/5)"));
        QCOMPARE(a.k().PktWahl().chkPkt(1).text(), QStringLiteral("S2(3,/3,)"));
        // The deleted point's cross is gone.
        QVERIFY(a.blatt().Point(120.0f, 128.5f) != 0x4000);
        QCOMPARE(a.blatt().Point(130.0f, 118.5f), 0x4000);
        a.prüfeReste();
    }

    void verticalLineMovesDown()
    {
        Aufbau a;
        a.gerade(0, 2);
        a.senkrechte(3.0f);
        a.löscheFunktionen({1});
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        QCOMPARE(a.k().fkt.m[1], 501.0f);
        QCOMPARE(a.k().fkt.xSenkrecht[1], 3.0f);
        QCOMPARE(a.k().fkt.xSenkrecht2[1], 3.0f);
        QCOMPARE(a.blatt().Point(130.0f, 148.5f - 50.0f), 0xFF);
        QCOMPARE(a.k().fkt.FktText[1], QStringLiteral("3 = x"));
    }

    void nothingTickedStillRedraws()
    {
        Aufbau a;
        a.gerade(1, 0);
        a.gerade(2, 0);
        a.punkt(1, 1, "P");
        a.k().FktWahl().chkFkt(0).setChecked(true);
        a.blatt().PSet(52, 52, 0x123456);  // something not from the tables
        a.löscheFunktionen({});
        QCOMPARE(a.z.AnzFkt, int16_t(2));
        QCOMPARE(a.blatt().Point(52, 52), 0xFFFFFF);
        // Lists rebuilt: only the last function ticked.
        QVERIFY(!a.k().FktWahl().chkFkt(0).isChecked());
        QVERIFY(a.k().FktWahl().chkFkt(1).isChecked());
        a.löschePunkte({});
        QCOMPARE(a.z.AnzPkt, int16_t(1));
        QCOMPARE(a.blatt().Point(110.0f, 138.5f), 0x4000);
        a.prüfeReste();
    }

    void deletingAllFunctionsKeepsThePoints()
    {
        Aufbau a;
        a.gerade(1, 0);
        a.gerade(-1, 0);
        a.punkt(2, -3, "P");
        a.löscheFunktionen({1, 2});
        QCOMPARE(a.z.AnzFkt, int16_t(0));
        QCOMPARE(a.blatt().Point(120.0f, 178.5f), 0x4000);
        QCOMPARE(a.blatt().Point(100.0f, 100.0f), 0);  // the y axis
        a.prüfeReste();
    }

    void cancelChangesNothing()
    {
        Aufbau a;
        a.gerade(1, 0);
        a.punkt(1, 1, "P");
        a.löscheFunktionen({1}, false);
        a.löschePunkte({1}, false);
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        QCOMPARE(a.z.AnzPkt, int16_t(1));
        QCOMPARE(a.k().fkt.m[1], 1.0f);
        QVERIFY(a.k().IsLoadedFkt(1));
    }

    void clearEverything()
    {
        Aufbau a;
        a.gerade(1, 0);
        a.gerade(2, 0);
        a.punkt(1, 1, "P");
        a.k().Überschrift = QStringLiteral("Aufgabe 3");
        a.k().fkt.Farbe[1] = 0x123456;
        a.z.Einheit = 5.0f;
        a.fenster->Aktion(QStringLiteral("mnuLöscheFunktion"))->trigger();
        QCOMPARE(a.k().Überschrift, QString());
        QCOMPARE(a.z.AnzFkt, int16_t(0));
        QCOMPARE(a.z.AnzPkt, int16_t(0));
        QCOMPARE(a.k().fkt.m[2], 0.0f);
        QCOMPARE(a.k().fkt.FktText[1], QString());
        QCOMPARE(a.k().pkt.PktName[1], QString());
        QCOMPARE(a.k().fkt.Farbe[1], 0x123456);
        QCOMPARE(a.z.Einheit, 5.0f);
        a.prüfeReste();
        // The next function is number 1 in the first colour.
        a.gerade(0.5f, 0);
        QCOMPARE(a.k().FunkBeschriftung[1]->text(), QStringLiteral("g1"));
        const QPointF p = aufGerade(0.5f, 0, 3.3f);
        QCOMPARE(a.blatt().Point(float(p.x()), float(p.y())), 0x123456);
    }

    // Random additions and deletions checked against a plain model of the tables.
    void randomAgainstModel()
    {
        Aufbau a;
        QList<float> fkt, pkt;  // slopes of the functions, x of the points
        QRandomGenerator zufall(4711);
        for (int schritt = 0; schritt < 60; ++schritt) {
            switch (zufall.bounded(4)) {
            case 0:
                if (fkt.size() < 10) {
                    const float m = float(zufall.bounded(1, 50)) / 4.0f;
                    a.gerade(m, 0);
                    fkt << m;
                }
                break;
            case 1:
                if (pkt.size() < 10) {
                    const float x = float(zufall.bounded(-8, 8));
                    a.punkt(x, 1, "P");
                    pkt << x;
                }
                break;
            case 2: {
                QList<int> weg;
                for (int i = 1; i <= fkt.size(); ++i)
                    if (zufall.bounded(3) == 0)
                        weg << i;
                a.löscheFunktionen(weg);
                for (int i = weg.size() - 1; i >= 0; --i)
                    fkt.removeAt(weg[i] - 1);
                break;
            }
            default: {
                QList<int> weg;
                for (int i = 1; i <= pkt.size(); ++i)
                    if (zufall.bounded(3) == 0)
                        weg << i;
                a.löschePunkte(weg);
                for (int i = weg.size() - 1; i >= 0; --i)
                    pkt.removeAt(weg[i] - 1);
                break;
            }
            }
            QCOMPARE(int(a.z.AnzFkt), int(fkt.size()));
            QCOMPARE(int(a.z.AnzPkt), int(pkt.size()));
            for (int i = 0; i < fkt.size(); ++i) {
                QCOMPARE(a.k().fkt.m[i + 1], fkt[i]);
                QCOMPARE(a.k().FunkBeschriftung[i + 1]->text(), QStringLiteral("g%1").arg(i + 1));
                QVERIFY(a.k().FktLöschen().chkLöschen(i).text().startsWith(QStringLiteral("g%1:").arg(i + 1)));
            }
            for (int i = 0; i < pkt.size(); ++i) {
                QCOMPARE(a.k().pkt.PktX[i + 1], pkt[i]);
                QVERIFY(a.k().PktWahl().chkPkt(i).text().startsWith(QStringLiteral("P%1(").arg(i + 1)));
            }
            a.prüfeReste();
        }
        QVERIFY(a.plattform.meldungen.empty());
    }
};

TESSAROLEN_TEST_MAIN(DeletingTest)
#include "test_deleting.moc"
