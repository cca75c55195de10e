// Clearing the drawing and deleting ticked functions and points: tables
// closed up, colours staying with the slot, labels and entries rebuilt.

#include "core/deletion_dialogs.h"
#include "core/selection_dialogs.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

namespace {
struct Blatt : Fenster {
    // Added as the commands add them: stored, drawn, listed.
    void gerade(float m, float b)
    {
        const int16_t n = ++z.AnzFkt;
        k().fkt.m[n] = m, k().fkt.b[n] = b, k().fkt.FktArt[n] = "GE";
        k().GeradeZeichnen(n), k().MenüFunktionsEinträge(n);
    }
    void punkt(float x, float y, const char* name = "P")
    {
        const int16_t n = ++z.AnzPkt;
        k().pkt.PktX[n] = x, k().pkt.PktY[n] = y, k().pkt.PktName[n] = QString::fromLatin1(name);
        k().PunktZeichnen(x, y, k().pkt.PktName[n], n), k().MenüPunktEinträge(n);
    }
    // Through the "Löschen" menu: ticks the entries (1-based) and presses "Löschen", or "Abbrechen".
    void lösche(bool funktionen, QList<int> nummern, bool löschen = true)
    {
        LöschDialog& d = funktionen ? static_cast<LöschDialog&>(k().FktLöschen()) : k().PktLöschen();
        menü(funktionen ? "mnuTessarolenLöschen" : "mnuPunkteLöschen", [&] {
            for (int i = 0; i < ChkFeld::Elemente; ++i)
                if (d.chkLöschen.Existiert(i)) d.chkLöschen(i).setChecked(nummern.contains(i + 1));
            QTest::mouseClick(löschen ? &d.cmdLöschen() : &d.cmdAbbrechen(), Qt::LeftButton);
        });
    }
    // No label, check box or entry of a function or point that is gone.
    void prüfeReste()
    {
        for (int16_t i = 1; i <= 10; ++i) QVERIFY(k().IsLoadedFkt(i) == (i <= z.AnzFkt) && k().IsLoaded(i) == (i <= z.AnzPkt));
        const auto liste = [](const ChkFeld& f, int anzahl) {
            for (int e = 1; e < ChkFeld::Elemente; ++e) QCOMPARE(f.Existiert(e), e < anzahl);
            QVERIFY2(f(0).isVisibleTo(f(0).parentWidget()) == (anzahl >= 1), qPrintable(f.Name()));
        };
        liste(k().FktWahl().chkFkt, z.AnzFkt), liste(k().FktLöschen().chkLöschen, z.AnzFkt);
        liste(k().PktWahl().chkPkt, z.AnzPkt), liste(k().PktLöschen().chkLöschen, z.AnzPkt);
    }
    // Colour of the sheet at a sheet position in LE (1 LE = 1 cm).
    int32_t farbe(float x, float y) { return blatt().Point(100.0f + 10 * x, 148.5f - 10 * y); }
};
}  // namespace

class DeletingTest : public QObject {
    Q_OBJECT
private slots:
    // Of ten functions and ten points, the first, fourth and last go: every field of the others moves down
    // (the equation text is built anew), the slots left over are empty; colours stay with the slot.
    void closeUpEveryField()
    {
        Blatt w;
        FunktionsTabelle& t = w.k().fkt;
        PunktTabelle& p = w.k().pkt;
        const auto felder = [&](int i) {
            return QList<float*>{&t.m[i], &t.b[i], &t.a[i], &t.c[i], &t.p[i], &t.q[i], &t.xs[i], &t.ys[i], &t.xSenkrecht[i],
                                 &t.xSenkrecht2[i], &t.FktLabelX[i], &t.FktLabelY[i], &p.PktX[i], &p.PktY[i], &p.PktLabelX[i], &p.PktLabelY[i]};
        };
        const auto art = [](int i) { return i ? QString("GENPSPAP").mid(2 * (i % 4), 2) + QString("PNSTQ")[i % 5] : ""; };
        for (int i = 1; i <= 10; ++i) {
            for (int k = 0; float* f : felder(i)) *f = float(i) + 0.01f * float(++k);
            t.FktArt[i] = art(i).left(2), p.PktName[i] = art(i).mid(2);
        }
        w.z.AnzFkt = w.z.AnzPkt = 10, w.k().MenüTessarolenEintragen(), w.k().MenüPunkteEintragen();
        w.lösche(true, {1, 4, 10}), w.lösche(false, {1, 4, 10});
        const int alt[] = {2, 3, 5, 6, 7, 8, 9, 0, 0, 0};
        for (int s = 1; s <= 10; ++s) {
            QList<float> ist, soll;
            for (int k = 0; float* f : felder(s)) ist << *f, soll << (alt[s - 1] ? float(alt[s - 1]) + 0.01f * float(++k) : 0.0f);
            QCOMPARE(ist, soll);
            QCOMPARE(t.FktArt[s] + p.PktName[s] + (t.FktText[s].isEmpty() ? "" : "+"), art(alt[s - 1]) + (alt[s - 1] ? "+" : ""));
            QCOMPARE(t.Farbe[s], StandardFarben[s]);
        }
        QCOMPARE(w.k().FunkBeschriftung[1]->text() + ' ' + w.k().FktWahl().chkFkt(0).text() + ' ' + w.k().PunktBeschriftung[1]->text()
                     + ' ' + w.k().PktLöschen().chkLöschen(6).text(), "p1 p1:y=2,03(x-2,07)²+2,08 S1(2,13/2,14) Q7(9,13/9,14)");
        QCOMPARE(w.farbe(3.07f, 4.11f), 0xFF);  // the former function 2 in the first colour
        w.prüfeReste();
    }

    // Cancelled, closed by the title-bar box (which only hides: entries and ticks stay; Return on a check box
    // presses no button) or with nothing ticked: nothing goes, but the sheet is redrawn from the tables.
    void cancelCloseOrNothingTicked()
    {
        Blatt w;
        w.gerade(1, 0), w.gerade(2, 0), w.punkt(1, 1);
        w.lösche(true, {1}, false), w.lösche(false, {1}, false);
        LöschDialog& d = w.k().FktLöschen();
        w.menü("mnuTessarolenLöschen", [&] {
            d.chkLöschen(0).setChecked(true), d.chkLöschen(0).setFocus();
            QTest::keyClick(&d.chkLöschen(0), Qt::Key_Return);
            QVERIFY(d.isVisible());
            d.close();
        });
        QCOMPARE((QList<int>{w.z.AnzFkt, w.z.AnzPkt}), (QList<int>{2, 1}));
        QVERIFY(&w.k().FktLöschen() == &d && d.chkLöschen.Angehakt(0));
        w.k().FktWahl().chkFkt(0).setChecked(true);
        w.blatt().PSet(52, 52, 0x123456);  // something not from the tables
        w.lösche(true, {});
        QCOMPARE((QList<int>{w.z.AnzFkt, w.blatt().Point(52, 52), w.k().aktuelleFunktion(1)}),
                 (QList<int>{2, 0xFFFFFF, 2}));  // lists rebuilt: the last one ticked
        w.lösche(true, {1, 2});  // all functions: grid, axes and the points stay
        QCOMPARE((QList<int>{w.z.AnzFkt, w.farbe(1, 1), w.farbe(0, 5)}), (QList<int>{0, 0x4000, 0}));
        QVERIFY(w.plattform.meldungen.empty());
        w.prüfeReste();
        w.gerade(-1, 0);  // a new function 1 is labelled at its own anchor, not where a deleted one was
        QCOMPARE((QList<float>{w.k().fkt.FktLabelX[1], w.k().fkt.FktLabelY[1]}), (QList<float>{-8.8f, 9}));
    }

    void clearEverything()
    {
        Blatt w;
        w.gerade(1, 0), w.gerade(2, 0), w.punkt(1, 1);
        const QImage leer = w.blatt().Bild().copy(38, 32, 76, 15);  // where a heading stands, 10 mm above the grid
        w.k().Überschrift = QStringLiteral("Aufgabe 3"), w.k().fkt.Farbe[1] = 0x123456, w.k().Achsen();
        QVERIFY(w.blatt().Bild().copy(38, 32, 76, 15) != leer);
        w.menü("mnuLöscheFunktion");
        QVERIFY(w.blatt().Bild().copy(38, 32, 76, 15) == leer);
        QCOMPARE(w.k().Überschrift + w.k().fkt.FktText[1] + w.k().pkt.PktName[1], QString());
        QCOMPARE((QList<float>{float(w.z.AnzFkt + w.z.AnzPkt), w.k().fkt.m[2], float(w.k().fkt.Farbe[1])}),
                 (QList<float>{0, 0, 0x123456}));
        w.prüfeReste();
        w.gerade(0.5f, 0);  // the next function is number 1 in the first colour
        QVERIFY(w.k().FunkBeschriftung[1]->text() == "g1" && w.farbe(3.3f, 1.65f) == 0x123456);
    }

    // Random additions and deletions checked against a plain model.
    void randomAgainstModel()
    {
        Blatt w;
        QList<float> fkt, pkt;  // slopes of the functions, x of the points
        QRandomGenerator zufall(4711);
        for (int schritt = 0; schritt < 60; ++schritt) {
            const int wahl = zufall.bounded(4);
            QList<float>& modell = wahl % 2 == 0 ? fkt : pkt;
            if (wahl < 2 && modell.size() < 10) {
                modell << float(zufall.bounded(1, 40)) / 4.0f;
                wahl == 0 ? w.gerade(modell.last(), 0) : w.punkt(modell.last(), 1);
            } else if (wahl >= 2) {
                QList<int> weg;  // from the back
                for (int i = modell.size(); i >= 1; --i)
                    if (zufall.bounded(3) == 0) weg << i;
                w.lösche(wahl == 2, weg);
                for (int i : weg) modell.removeAt(i - 1);
            }
            QList<float> ist[2];
            for (int i = 0; i < std::max(w.z.AnzFkt, w.z.AnzPkt); ++i) {
                if (i < w.z.AnzFkt && w.k().FktLöschen().chkLöschen(i).text().startsWith(QStringLiteral("g%1:").arg(i + 1)))
                    ist[0] << w.k().fkt.m[i + 1];
                if (i < w.z.AnzPkt && w.k().PktWahl().chkPkt(i).text().startsWith(QStringLiteral("P%1(").arg(i + 1)))
                    ist[1] << w.k().pkt.PktX[i + 1];
            }
            QCOMPARE(ist[0], fkt);
            QCOMPARE(ist[1], pkt);
            w.prüfeReste();
        }
    }
};

TESSAROLEN_TEST_MAIN(DeletingTest)
#include "test_deleting.moc"
