#include "core/number_text.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

class EquationsTest : public QObject {
    Q_OBJECT
private slots:
    void vorzeichen()
    {
        const std::pair<QString, const char*> faelle[] = {
            {VorZeichen(2), "+2"}, {VorZeichen(0), "+0"}, {VorZeichen(-1.5f), "-1,5"}, {VorZeichen(0.125f), "+0,12"},
            {VorZeichen(0.375f), "+0,38"}, {VorZeichen(-3.14159f), "-3,14"}, {VorZeichen(-0.004f), "0"}, {VZ("3"), "+ 3"},
            {VZ("-2.5"), "- 2.5"}, {VZ("+4"), "+ 4"}, {VZ(""), "+ "}, {VZ("- 3"), "-  3"}, {VZ_minus("3"), "- 3"},
            {VZ_minus("-2"), "+ 2"}, {VZ_minus("+1"), "- 1"}, {VZ_minus(""), "- "}, {VZ_minus("- 3"), "+  3"}};
        for (const auto& [ist, soll] : faelle)
            QCOMPARE(ist, QString::fromUtf8(soll));
    }
    void gleichung_data()
    {
        QTest::addColumn<QString>("funktion"), QTest::addColumn<QString>("text");
        QTest::addColumn<float>("xAnker");  // from yAnker = 100 mm, the last one 1234 mm; NaN: parabola outside the grid
        QTest::addColumn<bool>("fehler");   // the anchor fails and is reported
        const auto r = [](const char* f, const char* text, float x = qQNaN(), bool fehler = false) {
            QTest::newRow(f) << QString(f) << QString::fromUtf8(text) << x << fehler;
        };
        r("GE 2 -3", "y=2x-3", 65), r("GE 1 0", "y=x", 100), r("GE -1 0.5", "y=-x+0,5", -95), r("GE 0.3333333 1", "y=0,33x+1", 270);
        r("GE 0 0", "y=0", -90), r("GE 0 -2", "y=-2", -90), r("GE 0 2.5", "y=+2,5", -90), r("GE 501 0 3", "3 = x", 30);
        r("GE 501 0 -1.5", "-1,5 = x", -15), r("NP -4 3", "y=x²-4x+3", 20 - std::sqrt(1100.0f)), r("NP 1 0", "y=x²+1x");
        r("NP 0 0", "y=x²"), r("SP 2 -1", "y=(x-2)²-1"), r("SP -1.5 0", "y=(x+1,5)²"), r("SP 0 3", "y=x²+3");
        r("AP 2 1 3", "y=2(x-1)²+3", 10 - std::sqrt(350.0f)), r("AP -1 0 0", "y=-x²", 1234, true);
        r("AP -0.5 2 3", "y=-0,5(x-2)²+3"), r("AP 1 -3 -2.25", "y=(x+3)²-2,25"), r("ge 1 1", "y=", 1234);
        // Rounding, the borders of the vertical case, unrounded leading factors.
        r("GE 1.004 -0.004", "y=1x+0", 99.64144f), r("GE 0.004 0", "y=0x", 25000), r("GE 500 0", "y=500x", 0.2f), r("GE 600 0", "0 = x", 0);
        r("GE 600 2", "0 = x+2", 0), r("AP 0.3333333 0 0", "y=0,3333333x²"), r("AP 0 2 3", "y=0(x-2)²+3", -90);
        r("AP 1 0.125 0.375", "y=(x-0,12)²+0,38"), r("NP 0.3333333 -0.004", "y=x²+0,33x0"), r("XX 1 1", "y=", 1234);
    }

    void gleichung()
    {
        QFETCH(QString, funktion); QFETCH(QString, text); QFETCH(float, xAnker); QFETCH(bool, fehler);
        Zeichenblatt t;
        const int16_t i = t.funktion(funktion);
        t.g.GraphAußerhalb = std::isnan(xAnker), t.g.yAnker = 100.0f, t.g.xAnker = 1234.0f;
        t.g.Funktionsgleichung(i);
        QCOMPARE(t.g.fkt.FktText[i], text);
        const QStringList meldungen = t.plattform.Texte();
        QVERIFY(meldungen.size() == int(fehler) && (!fehler || meldungen[0].contains("frmTessarolen:Funktionsgleichung")));
        QCOMPARE(t.g.xAnker, std::isnan(xAnker) ? 1234.0f : xAnker);
        QCOMPARE(t.g.fkt.FktLabelX[i], (std::isnan(xAnker) ? 1234.0f : xAnker) / 10 + 0.2f);  // 0.2 LE right
        QCOMPARE(t.g.fkt.FktLabelY[i], 10.0f);
    }
};

TESSAROLEN_TEST_MAIN(EquationsTest)
#include "test_equations.moc"
