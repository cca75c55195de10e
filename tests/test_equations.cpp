#include "core/number_text.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

#include <QLabel>

class EquationsTest : public QObject {
    Q_OBJECT
private slots:
    void vorzeichen_data();
    void vorzeichen();
    void gleichung_data();
    void gleichung();
    void ankerGerade_data();
    void ankerGerade();
    void ankerParabel();
    void wurzelAusNegativemWirdGemeldet();
    void ohneSichtbarenGraphKeinAnker();
};

void EquationsTest::vorzeichen_data()
{
    QTest::addColumn<QString>("aufruf");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("erwartet");
    const auto vz = [](const char* name, float x, const char* erw) {
        QTest::newRow(name) << "VorZeichen" << QString::number(double(x), 'g', 9)
                            << QString::fromUtf8(erw);
    };
    vz("VorZeichen(2)", 2.0f, "+2");
    vz("VorZeichen(0)", 0.0f, "+0");
    vz("VorZeichen(-1.5)", -1.5f, "-1,5");
    vz("VorZeichen(0.125)", 0.125f, "+0,12");
    vz("VorZeichen(0.375)", 0.375f, "+0,38");
    vz("VorZeichen(-3.14159)", -3.14159f, "-3,14");
    vz("VorZeichen(-0.004) no plus", -0.004f, "0");
    vz("VorZeichen(0.135) float above the tie", 0.135f, "+0,14");
    vz("VorZeichen(1e20)", 1e20f, "+1E+20");
    const auto text = [](const char* name, const char* f, const char* s, const char* erw) {
        QTest::newRow(name) << f << QString::fromUtf8(s) << QString::fromUtf8(erw);
    };
    text("VZ(3)", "VZ", "3", "+ 3");
    text("VZ(-2.5)", "VZ", "-2.5", "- 2.5");
    text("VZ(+4)", "VZ", "+4", "+ 4");
    text("VZ(empty)", "VZ", "", "+ ");
    text("VZ(- 3) two blanks", "VZ", "- 3", "-  3");
    text("VZ keeps a comma", "VZ", "1,5", "+ 1,5");
    text("VZ_minus(3)", "VZ_minus", "3", "- 3");
    text("VZ_minus(-2)", "VZ_minus", "-2", "+ 2");
    text("VZ_minus(+1)", "VZ_minus", "+1", "- 1");
    text("VZ_minus(empty)", "VZ_minus", "", "- ");
    text("VZ_minus(- 3)", "VZ_minus", "- 3", "+  3");
}

void EquationsTest::vorzeichen()
{
    QFETCH(QString, aufruf);
    QFETCH(QString, argument);
    QFETCH(QString, erwartet);
    QString ist;
    if (aufruf == QLatin1String("VorZeichen"))
        ist = VorZeichen(argument.toFloat());
    else if (aufruf == QLatin1String("VZ"))
        ist = VZ(argument);
    else
        ist = VZ_minus(argument);
    QCOMPARE(ist, erwartet);
}

void EquationsTest::gleichung_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("p");
    QTest::addColumn<float>("q");
    QTest::addColumn<float>("xs");
    QTest::addColumn<float>("ys");
    QTest::addColumn<float>("xSenkrecht2");
    QTest::addColumn<QString>("text");
    const auto ge = [](const char* name, float m, float b, float x2, const char* t) {
        QTest::newRow(name) << "GE" << m << b << 0.0f << 0.0f << 0.0f << 0.0f << 0.0f << x2
                            << QString::fromUtf8(t);
    };
    const auto np = [](const char* name, float p, float q, const char* t) {
        QTest::newRow(name) << "NP" << 0.0f << 0.0f << 1.0f << p << q << -(p / 2.0f)
                            << q - p * p / 4.0f << 0.0f << QString::fromUtf8(t);
    };
    const auto par = [](const char* name, const char* art, float a, float xs, float ys,
                        const char* t) {
        QTest::newRow(name) << art << 0.0f << xs << a << 0.0f << ys << xs << ys << 0.0f
                            << QString::fromUtf8(t);
    };
    ge("m=2 b=-3", 2.0f, -3.0f, 0.0f, "y=2x-3");
    ge("m=1 b=0", 1.0f, 0.0f, 0.0f, "y=x");
    ge("m=-1 b=0.5", -1.0f, 0.5f, 0.0f, "y=-x+0,5");
    ge("m=0.3333333 b=1", 0.3333333f, 1.0f, 0.0f, "y=0,33x+1");
    ge("m=0 b=0", 0.0f, 0.0f, 0.0f, "y=0");
    ge("m=0 b=-2", 0.0f, -2.0f, 0.0f, "y=-2");
    ge("m=0 b=2.5", 0.0f, 2.5f, 0.0f, "y=+2,5");
    ge("vertical at 3", 501.0f, 0.0f, 3.0f, "3 = x");
    ge("vertical at -1.5", 501.0f, 0.0f, -1.5f, "-1,5 = x");
    np("p=-4 q=3", -4.0f, 3.0f, "y=x²-4x+3");
    np("p=1 q=0", 1.0f, 0.0f, "y=x²+1x");
    np("p=0 q=0", 0.0f, 0.0f, "y=x²");
    par("SP xs=2 ys=-1", "SP", 1.0f, 2.0f, -1.0f, "y=(x-2)²-1");
    par("SP xs=-1.5 ys=0", "SP", 1.0f, -1.5f, 0.0f, "y=(x+1,5)²");
    par("SP xs=0 ys=3", "SP", 1.0f, 0.0f, 3.0f, "y=x²+3");
    par("AP a=2 xs=1 ys=3", "AP", 2.0f, 1.0f, 3.0f, "y=2(x-1)²+3");
    par("AP a=-1 xs=0 ys=0", "AP", -1.0f, 0.0f, 0.0f, "y=-x²");
    par("AP a=-0.5 xs=2 ys=3", "AP", -0.5f, 2.0f, 3.0f, "y=-0,5(x-2)²+3");
    par("AP a=1 xs=-3 ys=-2.25", "AP", 1.0f, -3.0f, -2.25f, "y=(x+3)²-2,25");
    // Rounding, borders of the vertical case and unrounded leading factors.
    ge("m=1.004 rounds to 1", 1.004f, 0.0f, 0.0f, "y=1x");
    ge("m=0.004 rounds to 0", 0.004f, 0.0f, 0.0f, "y=0x");
    ge("b rounded half to even", 2.0f, 0.125f, 0.0f, "y=2x+0,12");
    ge("slope 600 never vertical before", 600.0f, 0.0f, 0.0f, "0 = x");
    ge("slope 600 with b", 600.0f, 2.0f, 0.0f, "0 = x+2");
    ge("slope exactly 500", 500.0f, 0.0f, 0.0f, "y=500x");
    ge("slope -600", -600.0f, 0.0f, 0.0f, "y=-600x");
    par("AP a=0.3333333 unrounded", "AP", 0.3333333f, 0.0f, 0.0f, "y=0,3333333x²");
    par("AP a=0", "AP", 0.0f, 2.0f, 3.0f, "y=0(x-2)²+3");
    par("AP vertex terms rounded", "AP", 1.0f, 0.125f, 0.375f, "y=(x-0,12)²+0,38");
    np("NP terms rounded", 0.3333333f, -0.004f, "y=x²+0,33x0");
    QTest::newRow("unknown kind") << "XX" << 1.0f << 1.0f << 0.0f << 0.0f << 0.0f << 0.0f
                                  << 0.0f << 0.0f << QStringLiteral("y=");
    QTest::newRow("kind is case-sensitive") << "ge" << 1.0f << 1.0f << 0.0f << 0.0f << 0.0f
                                            << 0.0f << 0.0f << 0.0f << QStringLiteral("y=");
}

void EquationsTest::gleichung()
{
    QFETCH(QString, art);
    QFETCH(float, m);
    QFETCH(float, b);
    QFETCH(float, a);
    QFETCH(float, p);
    QFETCH(float, q);
    QFETCH(float, xs);
    QFETCH(float, ys);
    QFETCH(float, xSenkrecht2);
    QFETCH(QString, text);
    Zeichenblatt t;
    auto& f = t.g.fkt;
    t.z.AnzFkt = 1;
    f.FktArt[1] = art;
    f.m[1] = m;
    f.b[1] = b;
    f.a[1] = a;
    f.p[1] = p;
    f.q[1] = q;
    f.xs[1] = xs;
    f.ys[1] = ys;
    f.xSenkrecht2[1] = xSenkrecht2;
    t.g.GraphAußerhalb = false;
    t.g.yAnker = 100.0f;
    t.g.xAnker = 1234.0f;
    if (art != QLatin1String("GE"))
        t.g.GraphAußerhalb = true;  // the text alone; anchors have their own tests
    t.g.Funktionsgleichung(1);
    QCOMPARE(f.FktText[1], text);
    QCOMPARE(t.g.GleichungsText, text);
    QVERIFY2(t.plattform.meldungen.empty(), qPrintable(t.plattform.Texte().join('|')));
    if (art != QLatin1String("GE"))
        QCOMPARE(t.g.xAnker, 1234.0f);
    // The label shows the name only.
    QVERIFY(t.g.IsLoadedFkt(1));
    QCOMPARE(t.g.FunkBeschriftung[1]->text(),
             art == QLatin1String("GE") ? QStringLiteral("g1") : QStringLiteral("p1"));
}

void EquationsTest::ankerGerade_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("x2");
    QTest::addColumn<float>("einheit");
    QTest::addColumn<float>("xAnker");
    QTest::newRow("m=2 b=-3 reaches 130 mm at 80 mm") << 2.0f << -3.0f << 0.0f << 10.0f << 80.0f;
    QTest::newRow("m=-0.5 b=1 at 2 cm per LE") << -0.5f << 1.0f << 0.0f << 20.0f << -220.0f;
    QTest::newRow("horizontal starts at the left edge") << 0.0f << 4.0f << 0.0f << 10.0f << -90.0f;
    QTest::newRow("vertical at its x") << 501.0f << 0.0f << -2.5f << 10.0f << -25.0f;
    QTest::newRow("vertical at 0.5 cm per LE") << 501.0f << 0.0f << 3.0f << 5.0f << 15.0f;
}

void EquationsTest::ankerGerade()
{
    QFETCH(float, m);
    QFETCH(float, b);
    QFETCH(float, x2);
    QFETCH(float, einheit);
    QFETCH(float, xAnker);
    Zeichenblatt t;
    t.z.Einheit = einheit;
    const int16_t i = t.gerade(m, b);
    t.g.fkt.xSenkrecht2[i] = x2;
    t.g.yAnker = 130.0f;
    t.g.Funktionsgleichung(i);
    QCOMPARE(t.g.xAnker, xAnker);
    QCOMPARE(t.g.fkt.FktLabelX[i], xAnker / einheit + 0.2f);
    QCOMPARE(t.g.fkt.FktLabelY[i], 130.0f / einheit);
}

void EquationsTest::ankerParabel()
{
    // The left one of the two points at the anchor height.
    Zeichenblatt t;
    const int16_t sp = t.scheitelform(1.0f, -4.0f);
    t.g.GraphAußerhalb = false;
    t.g.yAnker = 50.0f;
    t.g.Funktionsgleichung(sp);
    QCOMPARE(t.g.xAnker, -20.0f);
    const int16_t ap = t.allgemein(-0.5f, 2.0f, 3.0f);
    t.g.yAnker = -20.0f;  // y = -0.05 (x - 20)^2 + 30 in mm
    t.g.Funktionsgleichung(ap);
    QCOMPARE(t.g.xAnker, 20.0f - std::sqrt(1000.0f));
    QVERIFY(t.plattform.meldungen.empty());
}

void EquationsTest::wurzelAusNegativemWirdGemeldet()
{
    // An anchor height below the vertex: the failed assignment is skipped,
    // the text is stored and the label shown all the same.
    Zeichenblatt t;
    const int16_t i = t.scheitelform(0.0f, 1.0f);
    t.g.GraphAußerhalb = false;
    t.g.yAnker = 5.0f;
    t.g.xAnker = 7.0f;
    t.g.Funktionsgleichung(i);
    QCOMPARE(t.g.xAnker, 7.0f);
    QCOMPARE(t.g.fkt.FktText[i], QStringLiteral("y=x²+1"));
    QCOMPARE(int(t.plattform.meldungen.size()), 1);
    const MsgAufruf& m = t.plattform.meldungen.front();
    QCOMPARE(m.symbol, MsgSymbol::Kritisch);
    QVERIFY(m.text.contains(QStringLiteral("frmTessarolen:Funktionsgleichung")));
    QVERIFY(m.text.contains(QStringLiteral("5 - ")));
    QVERIFY(t.g.IsLoadedFkt(i));
    QVERIFY(!t.g.FunkBeschriftung[i]->isHidden());
    QCOMPARE(t.g.fkt.FktLabelX[i], 0.7f + 0.2f);
}

void EquationsTest::ohneSichtbarenGraphKeinAnker()
{
    Zeichenblatt t;
    const int16_t i = t.normalform(0.0f, 50.0f);
    t.g.GraphAußerhalb = true;
    t.g.xAnker = -33.0f;
    t.g.yAnker = 12.0f;
    t.g.Funktionsgleichung(i);
    QCOMPARE(t.g.xAnker, -33.0f);
    QCOMPARE(t.g.fkt.FktText[i], QStringLiteral("y=x²+50"));
    QVERIFY(t.plattform.meldungen.empty());
}

TESSAROLEN_TEST_MAIN(EquationsTest)
#include "test_equations.moc"
