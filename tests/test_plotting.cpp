#include "tests/support/recording_surface.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

#include "core/selection_dialogs.h"

#include <QCheckBox>
#include <QLabel>

namespace {
constexpr int32_t Rot = 0xFF, Gruen = 0xFF00;  // colours of slots 1 and 2
const QString Ausserhalb = QStringLiteral("Funktionsgraph außerhalb der Zeichenebene!");
}  // namespace

class PlottingTest : public QObject {
    Q_OBJECT
private slots:
    void parabelnAmRandDesGitters();
    void abtastung_data();
    void abtastung();
    void punktKreuzUndBeschriftung();
    void ersteBeschriftungsstelle_data();
    void ersteBeschriftungsstelle();
    void kopieDesBildesBleibtUnveraendert();
};

void PlottingTest::parabelnAmRandDesGitters()
{
    // y = x^2 - 20: two branches ending 1.5 mm above the bottom edge, no join along it.
    Zeichenblatt t;
    t.g.ParabelZeichnen(t.normalform(0.0f, -20.0f));
    QVERIFY(t.enthaelt(Rot, -33.0f, -99.0f, -30.0f, -101.0f));
    QVERIFY(t.enthaelt(Rot, 30.0f, -99.0f, 33.0f, -101.0f));
    QVERIFY(t.enthaelt(Rot, -28.0f, -127.5f, -26.0f, -128.5f));
    QVERIFY(!t.enthaelt(Rot, -90.0f, -129.6f, 90.0f, -130.0f));
    QVERIFY(!t.enthaelt(Rot, -25.0f, -127.0f, 25.0f, -130.0f));
    QVERIFY(t.g.yAnker > 129.0f && t.g.yAnker <= 130.0f);
    // y = -0.5x^2 + 20: the branches are joined near the top edge.
    t.g.ParabelZeichnen(t.allgemein(-0.5f, 0.0f, 20.0f));
    QVERIFY(t.enthaelt(Gruen, -0.5f, 130.0f, 0.5f, 129.0f));
    QVERIFY(!t.enthaelt(Gruen, -30.0f, 128.5f, 30.0f, 0.0f));
    QVERIFY(t.plattform.meldungen.empty());
}

void PlottingTest::abtastung_data()
{
    QTest::addColumn<QString>("funktion");
    QTest::addColumn<int>("punkte");  // dots and lines in the function's colour
    QTest::addColumn<int>("linien");
    QTest::addColumn<float>("yAnker");      // 77 when left as it was
    QTest::addColumn<QString>("meldungen");  // parts of the messages, "|" between them
    const auto r = [](const char* f, int punkte, int linien, float y, const char* meldungen = "") {
        QTest::newRow(f) << QString::fromLatin1(f) << punkte << linien << y
                         << QString::fromUtf8(meldungen);
    };
    r("GE 0 1", 1, 1800, 10), r("AP 0.001 0 0", 1, 1800, 0.81f), r("AP 0 2 3", 1, 1800, 20);
    r("GE -1 0", 1, 1800, 90), r("AP 0.1 -9 0", 1, 1140, 0), r("GE 499.9 0", 1, 4, 100);
    r("GE -499.9 0", 1, 4, 100);
    r("GE 500 0 2", 0, 1, 130), r("GE -500 0 2", 0, 1, 130), r("GE 501 0 12", 0, 1, 130);
    r("GE 0 20", 0, 0, 77, "außerhalb"), r("NP 0 50", 0, 0, 77, "außerhalb");
    r("AP 3e38 0 0", 0, 0, 77, "außerhalb");
    r("GE 1 3e38", 0, 0, 77, "GeradeZeichnen|außerhalb|Funktionsgleichung");
}

void PlottingTest::abtastung()
{
    QFETCH(QString, funktion);
    QFETCH(int, punkte);
    QFETCH(int, linien);
    QFETCH(float, yAnker);
    QFETCH(QString, meldungen);
    Zeichenblatt t;
    AufzeichnendeFlaeche rec;
    t.g.ausgabe = &rec;
    t.g.yAnker = 77.0f;
    const int16_t i = t.funktion(funktion);
    const float x = 10.0f * (t.g.fkt.xSenkrecht[i] = t.g.fkt.xSenkrecht2[i]);
    t.g.TessarolenZeichnen();
    const QStringList texte = t.plattform.Texte();
    QCOMPARE(texte.size(), meldungen.isEmpty() ? 0 : int(meldungen.count('|')) + 1);
    for (int k = 0; k < texte.size(); ++k)
        QVERIFY(texte[k].contains(meldungen.section('|', k, k)));
    for (const MsgAufruf& m : t.plattform.meldungen)
        QVERIFY(m.text != Ausserhalb || (m.titel == "Hinweis..." && m.symbol == MsgSymbol::Information));
    QVERIFY(t.g.IsLoadedFkt(i));
    QVERIFY2(qAbs(t.g.yAnker - yAnker) < 0.5f, qPrintable(QString::number(t.g.yAnker)));
    std::erase_if(rec.ops, [](const auto& o) { return o.art == Aufgezeichnet::Textausgabe; });
    for (const auto& o : rec.ops)
        QCOMPARE(o.farbe, Rot);
    QCOMPARE(int(rec.ops.size()), punkte + linien);
    if (rec.ops.empty())
        return;
    QCOMPARE(rec.ops.front().art, punkte ? Aufgezeichnet::Punkt : Aufgezeichnet::Linie);
    const Aufgezeichnet& l = rec.ops.back();
    if (linien == 1)  // the full height of the grid, also beyond its width
        QCOMPARE(QLineF(l.x1, l.y1, l.x2, l.y2),
                 QLineF(t.g.XPos(x), t.g.YPos(130), t.g.XPos(x), t.g.YPos(-130)));
    if (linien == 1800)  // x from -90 mm in steps of 0.1 while below 90 mm
        QVERIFY(rec.ops[0].x1 == t.g.XPos(-90) && l.x2 < t.g.XPos(90) && l.x2 > t.g.XPos(89.99f));
    if (funktion == QLatin1String("AP 0 2 3"))  // the line along b = 2 LE
        QCOMPARE(l.y2, t.g.YPos(20));
}

void PlottingTest::punktKreuzUndBeschriftung()
{
    Zeichenblatt t;
    t.punkt(0.125f, 1.0f, "N");  // a tie rounds to even
    t.punkt(0.135f, -2.0f);      // stored just above the tie
    t.g.PunkteZeichnen();
    for (float d : {0.0f, 0.8f, -0.8f})
        QCOMPARE(t.farbeBei(1.25f + d, 10.0f + std::abs(d)), 0x4000);
    QLabel* l = t.g.PunktBeschriftung[1];
    QCOMPARE(l->objectName(), QStringLiteral("PunktBeschriftung_1"));
    QCOMPARE(l->text(), QStringLiteral("N1(0,12/1)"));
    QCOMPARE(t.g.PunktBeschriftung[2]->text(), QStringLiteral("P2(0,14/-2)"));
    QCOMPARE(l->palette().color(QPalette::WindowText), AlsQColor(0x8000));
    QVERIFY(!l->isHidden() && l->width() >= l->sizeHint().width());
    QCOMPARE(l->pos(), QPoint(SheetWidget::AlsPixel(t.g.XPos(3.25f)), SheetWidget::AlsPixel(t.g.YPos(14))));
    QCOMPARE(l->font().pointSizeF(), 10.0);
    t.z.Einheit = 5.0f;  // smaller type at 0.5 cm per LE
    t.g.PunkteZeichnen();
    QCOMPARE(l->font().pointSizeF(), 8.0);
}

void PlottingTest::ersteBeschriftungsstelle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("funktion");  // the ticked one, "" for none
    QTest::addColumn<QPointF>("gespeichert");
    QTest::addColumn<QPointF>("stelle");
    // Point (2 | -1): the label goes 0.4 LE up or stays level with it.
    const auto r = [](const char* name, const char* f, QPointF gespeichert, QPointF stelle) {
        QTest::addRow("%s %s (%g|%g)", name, f, gespeichert.x(), gespeichert.y())
            << QString::fromLatin1(name) << QString::fromLatin1(f) << gespeichert << stelle;
    };
    const QPointF hoch(2.2, -0.6), gleich(2.2, -1);
    r("P", "", {}, hoch), r("N", "GE 0.5 1", {}, hoch), r("P", "GE -0.5 1", {}, hoch);
    r("P", "GE 0.5 1", {}, gleich), r("T", "GE 0 1", {}, gleich), r("S", "AP -2 0 1", {}, hoch);
    r("S", "AP 2 0 1", {}, gleich), r("Q", "NP 1 1", {}, gleich), r("S", "SP 1 1", {}, gleich);
    r("P", "", {0, 1.5}, {2.2, 1.5}), r("P", "GE 0.5 1", {3, 0}, {3, -1}), r("P", "", {-4, 5}, {-4, 5});
}

void PlottingTest::ersteBeschriftungsstelle()
{
    QFETCH(QString, name);
    QFETCH(QString, funktion);
    QFETCH(QPointF, gespeichert);
    QFETCH(QPointF, stelle);
    Zeichenblatt t;
    t.gerade(-2.0f, 0.0f);  // unticked, so the ticked one is not number 1
    if (!funktion.isEmpty())
        t.funktion(funktion);
    t.g.TessarolenZeichnen();
    t.g.MenüTessarolenEintragen();  // ticks the last one
    if (funktion.isEmpty())
        t.g.FktWahl().chkFkt(0).setChecked(false);
    const int16_t n = t.punkt(2.0f, -1.0f, name.toLatin1().constData());
    t.g.pkt.PktLabelX[n] = float(gespeichert.x());
    t.g.pkt.PktLabelY[n] = float(gespeichert.y());
    t.g.PunktZeichnen(2.0f, -1.0f, name, n);
    QCOMPARE(t.g.pkt.PktLabelX[n], float(stelle.x()));
    QCOMPARE(t.g.pkt.PktLabelY[n], float(stelle.y()));
}

void PlottingTest::kopieDesBildesBleibtUnveraendert()
{
    Zeichenblatt t;
    t.g.GeradeZeichnen(t.gerade(0.0f, 1.0f));
    const QImage vorher = t.flaeche().Bild();
    const QImage kopie = vorher.copy();
    t.flaeche().Cls();
    t.g.GeradeZeichnen(t.gerade(0.0f, -1.0f));
    t.g.Text(QStringLiteral("Text"), 0.0f, 50.0f, 10.0f, true, 0);
    QCOMPARE(vorher, kopie);
    QCOMPARE(t.farbeBei(0.0f, 10.0f), 0xFFFFFF);
    QCOMPARE(t.farbeBei(0.0f, -10.0f), Gruen);
}

TESSAROLEN_TEST_MAIN(PlottingTest)
#include "test_plotting.moc"
