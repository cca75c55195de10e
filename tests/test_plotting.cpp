#include "tests/support/sheet_fixture.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_main.h"

#include "core/selection_dialogs.h"

#include <QCheckBox>
#include <QLabel>

namespace {
constexpr int32_t Rot = 0xFF;  // colour of slot 1
const QString Ausserhalb = QStringLiteral("Funktionsgraph außerhalb der Zeichenebene!");

int zaehle(const AufzeichnendeFlaeche& f, Aufgezeichnet::Art art, int32_t farbe)
{
    int n = 0;
    for (const auto& o : f.ops)
        n += o.art == art && o.farbe == farbe;
    return n;
}
}  // namespace

class PlottingTest : public QObject {
    Q_OBJECT
private slots:
    void parabelUnterDemGitterZweiAeste();
    void parabelUeberDemGitterVerbunden();
    void parabelGanzAusserhalb();
    void abtastungMit1801Stellen_data();
    void abtastungMit1801Stellen();
    void senkrechtAbSteigung500_data();
    void senkrechtAbSteigung500();
    void senkrechteJenseitsDesGitters();
    void geradeAnkerIstHoechsterSichtbarerWert();
    void ueberlaufendeWerteSindUnsichtbar();
    void punktKreuzUndBeschriftung_data();
    void punktKreuzUndBeschriftung();
    void ersteBeschriftungsstelle_data();
    void ersteBeschriftungsstelle();
    void leereTabellenZeichnenNichts();
    void neuZeichnenWaehltNachArt();
    void kopieDesBildesBleibtUnveraendert();
};

void PlottingTest::parabelUnterDemGitterZweiAeste()
{
    Zeichenblatt t;
    const int16_t i = t.normalform(0.0f, -20.0f);  // vertex 200 mm below the axis
    t.g.Achsen();
    t.g.ParabelZeichnen(i);
    QVERIFY(t.plattform.meldungen.empty());
    QVERIFY(!t.g.GraphAußerhalb);
    // y = x^2/10 - 200 (mm) meets y = -100 at x = +-31.6 mm: both branches.
    QVERIFY(t.enthaelt(Rot, -33.0f, -99.0f, -30.0f, -101.0f));
    QVERIFY(t.enthaelt(Rot, 30.0f, -99.0f, 33.0f, -101.0f));
    // No coloured pixel in the lowest part of the band, nowhere a join along the edge.
    QVERIFY(!t.enthaelt(Rot, -90.0f, -129.6f, 90.0f, -130.0f));
    QVERIFY(!t.enthaelt(Rot, -25.0f, -127.0f, 25.0f, -130.0f));
    // Each branch ends about 1.5 mm above the bottom edge.
    QVERIFY(t.enthaelt(Rot, -28.0f, -127.5f, -26.0f, -128.5f));
    // The anchor is the height of the first visible sample, at the top edge.
    QVERIFY(t.g.yAnker > 129.0f && t.g.yAnker <= 130.0f);
}

void PlottingTest::parabelUeberDemGitterVerbunden()
{
    Zeichenblatt t;
    const int16_t i = t.allgemein(-0.5f, 0.0f, 20.0f);  // vertex 200 mm above the axis
    t.g.ParabelZeichnen(i);
    QVERIFY(t.plattform.meldungen.empty());
    // The branches leave the grid at |x| = 37.4 mm and are joined near the top edge.
    QVERIFY(t.enthaelt(Rot, -0.5f, 130.0f, 0.5f, 129.0f));
    QVERIFY(t.enthaelt(Rot, -45.0f, 110.0f, -40.0f, 120.0f));
    QVERIFY(!t.enthaelt(Rot, -30.0f, 128.5f, 30.0f, 0.0f));
}

void PlottingTest::parabelGanzAusserhalb()
{
    Zeichenblatt t;
    const int16_t i = t.normalform(0.0f, 50.0f);
    t.g.yAnker = 77.0f;
    t.g.ParabelZeichnen(i);
    QVERIFY(t.g.GraphAußerhalb);
    QCOMPARE(t.g.yAnker, 77.0f);
    QCOMPARE(int(t.plattform.meldungen.size()), 1);
    const MsgAufruf& m = t.plattform.meldungen.front();
    QCOMPARE(m.text, Ausserhalb);
    QCOMPARE(m.titel, QStringLiteral("Hinweis..."));
    QCOMPARE(m.symbol, MsgSymbol::Information);
    QCOMPARE(m.knoepfe, MsgKnoepfe::OK);
    QVERIFY(!t.enthaelt(Rot, -90.0f, 130.0f, 90.0f, -130.0f));
    // The equation is built and the label shown all the same.
    QCOMPARE(t.g.fkt.FktText[i], QStringLiteral("y=x²+50"));
    QVERIFY(t.g.IsLoadedFkt(i));
}

void PlottingTest::abtastungMit1801Stellen_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("horizontal line") << "GE";
    QTest::newRow("flat parabola") << "AP";
}

void PlottingTest::abtastungMit1801Stellen()
{
    QFETCH(QString, art);
    Zeichenblatt t;
    AufzeichnendeFlaeche rec;
    t.g.ausgabe = &rec;
    if (art == QLatin1String("GE"))
        t.g.GeradeZeichnen(t.gerade(0.0f, 1.0f));
    else
        t.g.ParabelZeichnen(t.allgemein(0.001f, 0.0f, 0.0f));
    QCOMPARE(zaehle(rec, Aufgezeichnet::Punkt, Rot), 1);
    QCOMPARE(zaehle(rec, Aufgezeichnet::Linie, Rot), 1800);
    const Aufgezeichnet& erster = rec.ops.front();
    QCOMPARE(erster.art, Aufgezeichnet::Punkt);
    QCOMPARE(erster.x1, t.g.XPos(-90.0f));
    const Aufgezeichnet& letzter = rec.ops[1800];
    QVERIFY(letzter.x2 < t.g.XPos(90.0f));
    QVERIFY(letzter.x2 > t.g.XPos(89.99f));
    QCOMPARE(erster.breite, 2);  // 0.5 and 0.6 mm are both 2 pixels
}

void PlottingTest::senkrechtAbSteigung500_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<bool>("senkrecht");
    QTest::newRow("500") << 500.0f << true;
    QTest::newRow("-500") << -500.0f << true;
    QTest::newRow("501") << 501.0f << true;
    QTest::newRow("499.9") << 499.9f << false;
    QTest::newRow("-499.9") << -499.9f << false;
}

void PlottingTest::senkrechtAbSteigung500()
{
    QFETCH(float, m);
    QFETCH(bool, senkrecht);
    Zeichenblatt t;
    AufzeichnendeFlaeche rec;
    t.g.ausgabe = &rec;
    const int16_t i = t.gerade(m, 0.0f);
    t.g.fkt.xSenkrecht[i] = t.g.fkt.xSenkrecht2[i] = 2.0f;
    t.g.GeradeZeichnen(i);
    QVERIFY(t.plattform.meldungen.empty());
    const int linien = zaehle(rec, Aufgezeichnet::Linie, Rot);
    const int punkte = zaehle(rec, Aufgezeichnet::Punkt, Rot);
    if (senkrecht) {
        QCOMPARE(linien, 1);
        QCOMPARE(punkte, 0);
        const Aufgezeichnet& l = rec.ops.front();
        QCOMPARE(l.x1, t.g.XPos(20.0f));
        QCOMPARE(l.x2, t.g.XPos(20.0f));
        QCOMPARE(l.y1, t.g.YPos(130.0f));
        QCOMPARE(l.y2, t.g.YPos(-130.0f));
        QCOMPARE(t.g.yAnker, 130.0f);
    } else {
        // Visible only for |x| <= 0.26 mm: a dot and a few short lines.
        QCOMPARE(punkte, 1);
        QVERIFY(linien >= 3 && linien <= 6);
    }
}

void PlottingTest::senkrechteJenseitsDesGitters()
{
    // x = 12 LE is 120 mm, beyond the half width of 90 mm; at "ganze Seite" it
    // lies on the visible sheet.
    Zeichenblatt t;
    t.g.Zoom = 0.5f;
    const int16_t i = t.senkrechte(12.0f);
    t.g.GeradeZeichnen(i);
    QVERIFY(t.plattform.meldungen.empty());
    for (float y : {-125.0f, -60.0f, 0.0f, 60.0f, 125.0f})
        QCOMPARE(t.farbeBei(120.0f, y), Rot);
    QCOMPARE(t.g.fkt.FktText[i], QStringLiteral("12 = x"));
    QCOMPARE(t.g.xAnker, 120.0f);
    // From the top to the bottom of the grid, no further.
    QVERIFY(!t.enthaelt(Rot, 119.0f, 134.0f, 121.0f, 138.0f));
}

void PlottingTest::geradeAnkerIstHoechsterSichtbarerWert()
{
    Zeichenblatt t;
    const int16_t fallend = t.gerade(-1.0f, 0.0f);
    t.g.GeradeZeichnen(fallend);
    QCOMPARE(t.g.yAnker, 90.0f);  // at the left end of the grid
    const int16_t flach = t.gerade(0.5f, -2.0f);
    t.g.GeradeZeichnen(flach);
    QVERIFY(qAbs(t.g.yAnker - 25.0f) < 0.01f);  // at the right end
    const int16_t weg = t.gerade(0.0f, 20.0f);
    t.g.GeradeZeichnen(weg);
    QVERIFY(qAbs(t.g.yAnker - 25.0f) < 0.01f);  // left as it was
    QCOMPARE(int(t.plattform.meldungen.size()), 1);
    QCOMPARE(t.plattform.meldungen.front().text, Ausserhalb);
}

void PlottingTest::ueberlaufendeWerteSindUnsichtbar()
{
    // Values beyond the range of a 32-bit float lie far off the grid; they
    // neither raise an error at every sample nor draw anything.
    Zeichenblatt t;
    const int16_t p = t.allgemein(3.0e38f, 0.0f, 0.0f);
    t.g.ParabelZeichnen(p);
    QVERIFY(t.g.GraphAußerhalb);
    QCOMPARE(t.plattform.Texte(), QStringList{Ausserhalb});
    QVERIFY(std::isfinite(t.g.yLauf));
    t.plattform.Leeren();
    // E * b does not fit a 32-bit float: one error for the plot, then the information.
    const int16_t g = t.gerade(1.0f, 3.0e38f);
    t.g.GeradeZeichnen(g);
    // The anchor of the equation fails on the same product.
    QCOMPARE(int(t.plattform.meldungen.size()), 3);
    QVERIFY(t.plattform.meldungen[0].text.contains(QStringLiteral("frmTessarolen:GeradeZeichnen")));
    QCOMPARE(t.plattform.meldungen[1].text, Ausserhalb);
    QVERIFY(t.plattform.meldungen[2].text.contains(QStringLiteral("frmTessarolen:Funktionsgleichung")));
}

void PlottingTest::punktKreuzUndBeschriftung_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("einheit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("groesse");
    QTest::newRow("tie rounds to even") << 0.125f << 1.0f << "P" << 10.0f << "P1(0,12/1)" << 10.0;
    QTest::newRow("float above the tie") << 0.135f << -2.0f << "P" << 10.0f << "P1(0,14/-2)"
                                         << 10.0;
    QTest::newRow("P3 style") << 1.5f << -2.0f << "S" << 20.0f << "S1(1,5/-2)" << 10.0;
    QTest::newRow("small unit, small font") << -3.333f << 0.0f << "N" << 5.0f << "N1(-3,33/0)"
                                            << 8.0;
}

void PlottingTest::punktKreuzUndBeschriftung()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, name);
    QFETCH(float, einheit);
    QFETCH(QString, text);
    QFETCH(qreal, groesse);
    Zeichenblatt t;
    t.z.Einheit = einheit;
    const int16_t n = t.punkt(x, y, name.toLatin1().constData());
    t.g.PunkteZeichnen();
    const float ex = einheit * x, ey = einheit * y;
    QCOMPARE(t.farbeBei(ex, ey), 0x4000);
    QCOMPARE(t.farbeBei(ex + 0.8f, ey + 0.8f), 0x4000);
    QCOMPARE(t.farbeBei(ex - 0.8f, ey + 0.8f), 0x4000);
    QVERIFY(t.g.IsLoaded(n));
    QLabel* l = t.g.PunktBeschriftung[n];
    QCOMPARE(l->objectName(), QStringLiteral("PunktBeschriftung_1"));
    QCOMPARE(l->parent(), &t.blatt);
    QCOMPARE(l->text(), text);
    QCOMPARE(l->font().pointSizeF(), groesse);
    QCOMPARE(l->palette().color(QPalette::WindowText), AlsQColor(0x8000));
    QVERIFY(!l->isHidden());
    QVERIFY(l->width() >= l->sizeHint().width());
    QCOMPARE(l->pos(), QPoint(SheetWidget::AlsPixel(t.g.XPos(einheit * t.g.pkt.PktLabelX[n])),
                              SheetWidget::AlsPixel(t.g.YPos(einheit * t.g.pkt.PktLabelY[n]))));
}

void PlottingTest::ersteBeschriftungsstelle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("funktion");  // the ticked function, "" for none
    QTest::addColumn<float>("gespeichertX");
    QTest::addColumn<float>("gespeichertY");
    QTest::addColumn<float>("labelX");
    QTest::addColumn<float>("labelY");
    // Point (2, -1).
    QTest::newRow("no function ticked") << "P" << "" << 0.0f << 0.0f << 2.2f << -0.6f;
    QTest::newRow("zero above a rising line") << "N" << "GE+" << 0.0f << 0.0f << 2.2f << -0.6f;
    QTest::newRow("falling line") << "P" << "GE-" << 0.0f << 0.0f << 2.2f << -0.6f;
    QTest::newRow("rising line") << "P" << "GE+" << 0.0f << 0.0f << 2.2f << -1.0f;
    QTest::newRow("horizontal line") << "T" << "GE0" << 0.0f << 0.0f << 2.2f << -1.0f;
    QTest::newRow("opening downwards") << "S" << "AP-" << 0.0f << 0.0f << 2.2f << -0.6f;
    QTest::newRow("opening upwards") << "S" << "AP+" << 0.0f << 0.0f << 2.2f << -1.0f;
    QTest::newRow("normal form") << "Q" << "NP" << 0.0f << 0.0f << 2.2f << -1.0f;
    QTest::newRow("vertex form") << "S" << "SP" << 0.0f << 0.0f << 2.2f << -1.0f;
    QTest::newRow("stored (0, 1.5)") << "P" << "" << 0.0f << 1.5f << 2.2f << 1.5f;
    QTest::newRow("stored (3, 0)") << "P" << "GE+" << 3.0f << 0.0f << 3.0f << -1.0f;
    QTest::newRow("stored (-4, 5)") << "P" << "" << -4.0f << 5.0f << -4.0f << 5.0f;
}

void PlottingTest::ersteBeschriftungsstelle()
{
    QFETCH(QString, name);
    QFETCH(QString, funktion);
    QFETCH(float, gespeichertX);
    QFETCH(float, gespeichertY);
    QFETCH(float, labelX);
    QFETCH(float, labelY);
    Zeichenblatt t;
    // An unticked function first, so that the ticked one is not simply number 1.
    t.gerade(-2.0f, 0.0f);
    if (funktion == QLatin1String("GE-"))
        t.gerade(-0.5f, 1.0f);
    else if (funktion == QLatin1String("GE+"))
        t.gerade(0.5f, 1.0f);
    else if (funktion == QLatin1String("GE0"))
        t.gerade(0.0f, 1.0f);
    else if (funktion == QLatin1String("AP-"))
        t.allgemein(-2.0f, 0.0f, 1.0f);
    else if (funktion == QLatin1String("AP+"))
        t.allgemein(2.0f, 0.0f, 1.0f);
    else if (funktion == QLatin1String("NP"))
        t.normalform(1.0f, 1.0f);
    else if (funktion == QLatin1String("SP"))
        t.scheitelform(1.0f, 1.0f);
    t.g.TessarolenZeichnen();
    t.g.MenüTessarolenEintragen();  // ticks the last one only
    if (funktion.isEmpty())
        t.g.FktWahl().chkFkt(0).setChecked(false);
    QCOMPARE(t.g.aktuelleFunktion(1), funktion.isEmpty() ? int16_t(0) : int16_t(2));
    const int16_t n = t.punkt(2.0f, -1.0f, name.toLatin1().constData());
    t.g.pkt.PktLabelX[n] = gespeichertX;
    t.g.pkt.PktLabelY[n] = gespeichertY;
    t.g.PunktZeichnen(2.0f, -1.0f, name, n);
    QCOMPARE(t.g.pkt.PktLabelX[n], labelX);
    QCOMPARE(t.g.pkt.PktLabelY[n], labelY);
    // Drawn again, also with another function ticked, the label stays.
    t.g.FktWahl().chkFkt(0).setChecked(true);
    t.g.PunktZeichnen(2.0f, -1.0f, name, n);
    QCOMPARE(t.g.pkt.PktLabelX[n], labelX);
    QCOMPARE(t.g.pkt.PktLabelY[n], labelY);
    QVERIFY(t.plattform.meldungen.empty());
}

void PlottingTest::leereTabellenZeichnenNichts()
{
    Zeichenblatt t;
    AufzeichnendeFlaeche rec;
    t.g.ausgabe = &rec;
    t.g.TessarolenZeichnen();
    t.g.PunkteZeichnen();
    QVERIFY(rec.ops.empty());
    QVERIFY(t.plattform.meldungen.empty());
}

void PlottingTest::neuZeichnenWaehltNachArt()
{
    // a = 0 decides, not the kind: an "AP" with a = 0 is drawn as a line.
    Zeichenblatt t;
    AufzeichnendeFlaeche rec;
    t.g.ausgabe = &rec;
    t.allgemein(0.0f, 2.0f, 3.0f);
    t.normalform(0.0f, 0.0f);
    t.g.TessarolenZeichnen();
    QCOMPARE(t.g.LaufIndex, int16_t(3));
    // The "AP" line y = 3 (30 mm) at 0.5 mm pen width, the parabola at 0.6 mm.
    int breiteLinie = 0, breiteParabel = 0;
    for (const auto& o : rec.ops) {
        if (o.art == Aufgezeichnet::Linie && o.farbe == Rot)
            breiteLinie = o.breite;
        if (o.art == Aufgezeichnet::Linie && o.farbe == 0xFF00)
            breiteParabel = o.breite;
    }
    QCOMPARE(breiteLinie, 2);
    QCOMPARE(breiteParabel, 2);
    QCOMPARE(t.g.fkt.FktText[1], QStringLiteral("y=0(x-2)²+3"));
    QCOMPARE(zaehle(rec, Aufgezeichnet::Linie, Rot), 1800);
}

void PlottingTest::kopieDesBildesBleibtUnveraendert()
{
    // A picture handed out keeps what it showed, through clearing and drawing.
    Zeichenblatt t;
    const int16_t i = t.gerade(0.0f, 1.0f);
    t.g.GeradeZeichnen(i);
    const QImage vorher = t.flaeche().Bild();
    const QImage kopie = vorher.copy();
    t.flaeche().Cls();
    t.g.GeradeZeichnen(t.gerade(0.0f, -1.0f));
    t.g.Text(QStringLiteral("Text"), 0.0f, 50.0f, 10.0f, true, 0);
    t.g.GeradeZeichnen(t.gerade(0.0f, -2.0f));
    QCOMPARE(vorher, kopie);
    QCOMPARE(t.farbeBei(0.0f, 10.0f), 0xFFFFFF);
    QCOMPARE(t.farbeBei(0.0f, -10.0f), 0xFF00);
    QCOMPARE(t.farbeBei(0.0f, -20.0f), 0xFF0000);
}

TESSAROLEN_TEST_MAIN(PlottingTest)
#include "test_plotting.moc"
