// Curves, points, their labels and the legend as drawn onto the sheet and onto a recording target.

#include "core/selection_dialogs.h"
#include "tests/support/recording_surface.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

constexpr int32_t Rot = 0xFF, Gruen = 0xFF00;  // colours of slots 1 and 2
// A function drawn onto a recording target: dots and lines in its colour, the height of its label (77 when left as it
// was), the messages; the x of a vertical line at the top and at the bottom of the grid (LE).
struct Abtastung { const char* funktion; int punkte, linien; float yAnker; const char* meldungen = "";
                   float oben = 0, unten = 0; };

class PlottingTest : public QObject {
    Q_OBJECT
private slots:
    void parabelnAmRandDesGitters()
    {
        // y = x^2 - 20: two branches ending 1.5 mm above the bottom edge, no join along it.
        Zeichenblatt t;
        t.g.ParabelZeichnen(t.normalform(0.0f, -20.0f));
        QVERIFY(t.enthaelt(Rot, -33, -99, -30, -101) && t.enthaelt(Rot, 30, -99, 33, -101));
        QVERIFY(t.enthaelt(Rot, -28, -127.5f, -26, -128.5f));
        QVERIFY(!t.enthaelt(Rot, -90, -129.6f, 90, -130) && !t.enthaelt(Rot, -25, -127, 25, -130));
        QVERIFY(t.g.yAnker > 129.0f && t.g.yAnker <= 130.0f);
        // y = -0.5x^2 + 20: the branches are joined near the top edge.
        t.g.ParabelZeichnen(t.allgemein(-0.5f, 0.0f, 20.0f));
        QVERIFY(t.enthaelt(Gruen, -0.5f, 130, 0.5f, 129) && !t.enthaelt(Gruen, -30, 128.5f, 30, 0));
        // A line simulated where a parabola was simulated before is a line.
        t.g.simAllgParabelZeichnen("1", "0", "0"), t.g.SimKurveVerwerfen({}), t.g.SimGeradeZeichnen("-2", "0");
        QVERIFY(t.farbeBei(50, -100) == t.g.fkt.Farbe[3] && t.plattform.meldungen.empty());
    }

    void abtastung()
    {
        // A vertical line runs from the top of the grid to its bottom, also beyond its width, from the x of its second
        // point to that of the first, unless the slope is positive and the second x is the smaller one.
        const Abtastung faelle[] = {
            {"GE 0 1", 1, 1800, 10}, {"AP 0.001 0 0", 1, 1800, 0.81f}, {"AP 0 2 3", 1, 1800, 20}, {"GE -1 0", 1, 1800, 90},
            {"AP 0.1 -9 0", 1, 1140, 0}, {"GE 499.9 0", 1, 4, 100}, {"GE -499.9 0", 1, 4, 100},
            {"GE 0 20", 0, 0, 77, "außerhalb"}, {"NP 0 50", 0, 0, 77, "außerhalb"}, {"AP 3e38 0 0", 0, 0, 77, "außerhalb"},
            {"GE 1 3e38", 0, 0, 77, "GeradeZeichnen|außerhalb|Funktionsgleichung"}, {"GE 500 0 2 2", 0, 1, 130, "", 2, 2},
            {"GE -500 0 2 2", 0, 1, 130, "", 2, 2}, {"GE 501 0 12 12", 0, 1, 130, "", 12, 12},
            {"GE 501 0 2 5", 0, 1, 130, "", 5, 2}, {"GE 501 0 5 2", 0, 1, 130, "", 5, 2}, {"GE -501 0 2 5", 0, 1, 130, "", 2, 5},
            {"GE -501 0 5 2", 0, 1, 130, "", 5, 2}};
        for (const auto& [funktion, punkte, linien, yAnker, meldungen, oben, unten] : faelle) {
            Zeichenblatt t;
            AufzeichnendeFlaeche rec(false, 10.0);  // 10 pixels per mm: lines 0.5 mm wide, parabolas 0.6
            t.g.ausgabe = &rec, t.g.yAnker = 77.0f;
            const int16_t i = t.funktion(QString::fromLatin1(funktion));
            t.g.TessarolenZeichnen();
            QStringList ist;  // "außerhalb" for the information, else the name of the failed operation
            for (const MsgAufruf& m : t.plattform.meldungen)
                ist << (m.text == "Funktionsgraph außerhalb der Zeichenebene!" && m.titel == "Hinweis..." && m.symbol == MsgSymbol::Information
                            ? QStringLiteral("außerhalb") : m.text.section(':', 1).section('\r', 0, 0));
            QCOMPARE(funktion + ist.join('|'), funktion + QString::fromUtf8(meldungen));
            QVERIFY(t.g.IsLoadedFkt(i) && qAbs(t.g.yAnker - yAnker) < 0.5f);
            std::erase_if(rec.ops, [](const auto& o) { return o.art == Aufgezeichnet::Textausgabe; });
            QVERIFY(std::ranges::all_of(rec.ops, [&](const auto& o) {
                return o.farbe == Rot && o.breite == 5 + (t.g.fkt.a[i] != 0); }));
            QCOMPARE(int(rec.ops.size()), punkte + linien);
            if (linien == 1)
                QCOMPARE(QLineF(rec.ops[0].x1, rec.ops[0].y1, rec.ops[0].x2, rec.ops[0].y2),
                         QLineF(t.g.XPos(10 * oben), t.g.YPos(130), t.g.XPos(10 * unten), t.g.YPos(-130)));
            if (linien == 1800)  // x from -90 mm in steps of 0.1 while below 90 mm
                QVERIFY(rec.ops[0].x1 == t.g.XPos(-90) && qAbs(rec.ops[1800].x2 - t.g.XPos(89.995f)) < 0.005f);
        }
    }

    void punktKreuzUndBeschriftung()
    {
        Zeichenblatt t;
        t.punkt(0.125f, 1.0f, "N");  // a tie rounds to even
        t.punkt(0.135f, -2.0f);      // stored just above the tie
        t.g.PunkteZeichnen();
        for (float d : {0.0f, 0.8f, -0.8f})
            QCOMPARE(t.farbeBei(1.25f + d, 10.0f + std::abs(d)), 0x4000);
        QLabel* l = t.g.PunktBeschriftung[1];
        QCOMPARE(l->text() + ' ' + t.g.PunktBeschriftung[2]->text(), QStringLiteral("N1(0,12/1) P2(0,14/-2)"));
        QVERIFY(l->palette().color(QPalette::WindowText) == AlsQColor(0x8000) && !l->isHidden() && l->width() >= l->sizeHint().width());
        QCOMPARE(l->pos(), t.pixelLE(0.325f, 1.4f));
        t.z.Einheit = 5.0f;  // smaller type at 0.5 cm per LE
        t.g.PunkteZeichnen();
        QCOMPARE(l->font().pointSizeF(), 8.0);
    }

    // Point (2 | -1) with a ticked function ("" for none): its label goes 0.4 LE up or stays level with it,
    // unless it was stored.
    void ersteBeschriftungsstelle()
    {
        const QPointF hoch(2.2, -0.6), gleich(2.2, -1);
        const std::tuple<const char*, const char*, QPointF, QPointF> faelle[] = {
            {"P", "", {}, hoch}, {"N", "GE 0.5 1", {}, hoch}, {"P", "GE -0.5 1", {}, hoch}, {"P", "GE 0.5 1", {}, gleich},
            {"T", "GE 0 1", {}, gleich}, {"S", "AP -2 0 1", {}, hoch}, {"S", "AP 2 0 1", {}, gleich},
            {"S", "AP 0 0 1", {}, gleich}, {"Q", "NP 1 1", {}, gleich}, {"S", "SP 1 1", {}, gleich},
            {"P", "", {0, 1.5}, {2.2, 1.5}}, {"P", "GE 0.5 1", {3, 0}, {3, -1}}, {"P", "", {-4, 5}, {-4, 5}}};
        for (const auto& [name, funktion, gespeichert, stelle] : faelle) {
            Zeichenblatt t;
            t.funktion(QStringLiteral("GE -2 0"));  // unticked, so the ticked one is not number 1
            if (*funktion)
                t.funktion(QString::fromLatin1(funktion));
            t.g.TessarolenZeichnen();
            t.g.MenüTessarolenEintragen();  // ticks the last one
            t.g.FktWahl().chkFkt(0).setChecked(false);
            t.g.pkt.PktLabelX[1] = float(gespeichert.x()), t.g.pkt.PktLabelY[1] = float(gespeichert.y());
            t.g.PunktZeichnen(2.0f, -1.0f, QString::fromLatin1(name), 1);
            QCOMPARE(QString("%1 %2 %3").arg(funktion).arg(t.g.pkt.PktLabelX[1]).arg(t.g.pkt.PktLabelY[1]),
                     QString("%1 %2 %3").arg(funktion).arg(float(stelle.x())).arg(float(stelle.y())));
        }
    }

    void funktionsbeschriftung()
    {
        Zeichenblatt t;
        const auto bei = [&](float x, float y, int i = 1) {  // function i's label stands at (x | y) LE
            const float lx = t.g.fkt.FktLabelX[i], ly = t.g.fkt.FktLabelY[i];
            return qAbs(lx - x) < 0.01f && qAbs(ly - y) < 0.01f &&
                   t.g.FunkBeschriftung[i]->pos() == t.pixelLE(lx, ly);
        };
        t.gerade(2.0f, -3.0f);  // reaches the top edge at 8 LE
        t.senkrechte(3.0f);
        t.punkt(1.0f, -2.0f);
        t.allgemein(-0.1f, 2.0f, 5.0f);  // enters the grid at its left edge at y = -7,1 LE, its highest point 5 LE
        t.neuZeichnen();
        QLabel* l = t.g.FunkBeschriftung[1];
        QCOMPARE(l->text() + l->palette().color(QPalette::WindowText).name(), QStringLiteral("g1#000000"));
        QVERIFY(l->font().bold() && !l->isHidden() && l->width() >= l->sizeHint().width());
        QVERIFY(bei(8.2f, 13.0f) && bei(-8.8f, -7.1f, 3));
        // Dragged by the user: kept through redraws and changes of the unit.
        t.g.fkt.FktLabelX[1] = 3.0f, t.g.fkt.FktLabelY[1] = 4.0f, t.g.pkt.PktLabelX[1] = -5.0f, t.g.pkt.PktLabelY[1] = 6.0f;
        for (float einheit : {20.0f, 5.0f, 10.0f}) {
            t.z.Einheit = einheit;
            t.neuZeichnen();
            QVERIFY(bei(3.0f, 4.0f));
            QCOMPARE(t.g.PunktBeschriftung[1]->pos(), t.pixelLE(-5.0f, 6.0f));
        }
        t.g.fkt.FktLabelY[1] = 0.0f;  // a coordinate of 0 alone is taken from the anchor again
        t.neuZeichnen();
        QVERIFY(bei(3.0f, 13.0f));
        t.z.SimAktiv = true;  // the simulation takes every label back to its anchor
        t.z.Einheit = 20.0f;  // where y = 2x - 3 ends at (90 | 120) mm
        t.neuZeichnen();
        QVERIFY(bei(4.7f, 6.0f));
        QCOMPARE(t.g.fkt.FktLabelX[2], 3.2f);
    }

    void legendeUndDrucker()
    {
        const std::tuple<bool, float, bool> faelle[] = {{false, 1, false}, {true, 1, false}, {false, 0.5f, false}, {false, 1, true}};
        for (const auto& [gleichungenAus, zoom, drucker] : faelle) {  // equations hidden, whole page, printer
            Zeichenblatt t;
            for (const char* f : {"GE 0 1", "GE 0.5 1", "GE 1 1", "SP 1 1", "AP -0.5 0 2", "NP 0 3"})
                t.funktion(QString::fromLatin1(f));
            t.punkt(1.0f, 1.0f);
            t.neuZeichnen();
            const QPoint fktVorher = t.g.FunkBeschriftung[1]->pos(), pktVorher = t.g.PunktBeschriftung[1]->pos();
            t.g.fkt.FktLabelX[1] = 4.0f, t.g.fkt.FktLabelY[1] = -3.0f;
            AufzeichnendeFlaeche rec(drucker);
            t.g.ausgabe = &rec;
            t.g.GleichungenAus = gleichungenAus, t.g.Zoom = zoom;
            t.g.TessarolenZeichnen();
            t.g.PunkteZeichnen();
            const auto zeile = [](const QString& s, float x, float y, float groesse, int32_t farbe) {
                return QStringLiteral("%1 (%2|%3) %4 %5").arg(s).arg(x).arg(y).arg(groesse).arg(farbe);
            };
            QStringList legende, soll, gedruckt;  // printed above the grid, expected, printed in the grid
            for (const auto& o : rec.ops)
                if (o.art == Aufgezeichnet::Textausgabe)
                    (o.y1 < t.g.YPos(t.g.yHalb) ? legende : gedruckt) << zeile(o.text, o.x1, o.y1, o.schriftgroesse, o.farbe);
            for (int i = 1; i <= 5; ++i) {
                const float k = (i - 1) * 37.0f - 90.0f, y = t.g.YPos(135);
                soll << zeile(i <= 3 ? "g" : "p", t.g.XPos(k + 2), y, 10 * zoom, 0)
                     << zeile(QString::number(i), t.g.XPos(k + 4), t.g.YPos(133), 6 * zoom, 0);
                if (!gleichungenAus)
                    soll << zeile(":", t.g.XPos(k + 5.5f), y, 10 * zoom, 0)
                         << zeile(t.g.fkt.FktText[i], t.g.XPos(k + 8), y, 10 * zoom, t.g.fkt.Farbe[i]);
            }
            QCOMPARE(legende, soll);
            QCOMPARE(t.g.FunkBeschriftung[6]->text(), QStringLiteral("p6"));
            QCOMPARE(t.g.FunkBeschriftung[1]->font().pointSizeF() + t.g.PunktBeschriftung[1]->font().pointSizeF(), 20.0 * zoom);
            // On the printer the labels are printed where they stand; the screen ones stay.
            QCOMPARE(t.g.FunkBeschriftung[1]->pos(), drucker ? fktVorher : t.pixelLE(4.0f, -3.0f));
            QVERIFY(!drucker || t.g.PunktBeschriftung[1]->pos() == pktVorher);
            QCOMPARE(gedruckt.contains(zeile("g1", t.g.XPos(40), t.g.YPos(-30), 10, 0)), drucker);
            QCOMPARE(gedruckt.contains(zeile("P1(1/1)", t.g.XPos(12), t.g.YPos(14), 10, 0x8000)), drucker);
            t.punkt(2.0f, 2.0f);  // a label first needed while printing stays hidden
            t.g.PunkteZeichnen();
            QCOMPARE(t.g.PunktBeschriftung[2]->isHidden(), drucker);
        }
    }
};

TESSAROLEN_TEST_MAIN(PlottingTest)
#include "test_plotting.moc"
