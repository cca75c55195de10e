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
    void anker_data();
    void anker();
};

void EquationsTest::vorzeichen_data()
{
    QTest::addColumn<QString>("aufruf");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("erwartet");
    for (auto [f, s, e] : {std::array<const char*, 3>{"VorZeichen", "2", "+2"},
                           {"VorZeichen", "0", "+0"}, {"VorZeichen", "-1.5", "-1,5"},
                           {"VorZeichen", "0.125", "+0,12"}, {"VorZeichen", "0.375", "+0,38"},
                           {"VorZeichen", "-3.14159", "-3,14"}, {"VorZeichen", "-0.004", "0"},
                           {"VZ", "3", "+ 3"}, {"VZ", "-2.5", "- 2.5"}, {"VZ", "+4", "+ 4"},
                           {"VZ", "", "+ "}, {"VZ", "- 3", "-  3"}, {"VZ_minus", "3", "- 3"},
                           {"VZ_minus", "-2", "+ 2"}, {"VZ_minus", "+1", "- 1"},
                           {"VZ_minus", "", "- "}, {"VZ_minus", "- 3", "+  3"}})
        QTest::addRow("%s(%s)", f, s) << f << s << e;
}

void EquationsTest::vorzeichen()
{
    QFETCH(QString, aufruf);
    QFETCH(QString, argument);
    QFETCH(QString, erwartet);
    QCOMPARE(aufruf == "VZ"         ? VZ(argument)
             : aufruf == "VZ_minus" ? VZ_minus(argument)
                                    : VorZeichen(argument.toFloat()),
             erwartet);
}

void EquationsTest::gleichung_data()
{
    QTest::addColumn<QString>("funktion");
    QTest::addColumn<QString>("text");
    const auto r = [](const char* f, const char* text) {
        QTest::newRow(f) << QString::fromLatin1(f) << QString::fromUtf8(text);
    };
    r("GE 2 -3", "y=2x-3"), r("GE 1 0", "y=x"), r("GE -1 0.5", "y=-x+0,5");
    r("GE 0.3333333 1", "y=0,33x+1"), r("GE 0 0", "y=0"), r("GE 0 -2", "y=-2");
    r("GE 0 2.5", "y=+2,5"), r("GE 501 0 3", "3 = x"), r("GE 501 0 -1.5", "-1,5 = x");
    r("NP -4 3", "y=x²-4x+3"), r("NP 1 0", "y=x²+1x"), r("NP 0 0", "y=x²");
    r("SP 2 -1", "y=(x-2)²-1"), r("SP -1.5 0", "y=(x+1,5)²"), r("SP 0 3", "y=x²+3");
    r("AP 2 1 3", "y=2(x-1)²+3"), r("AP -1 0 0", "y=-x²"), r("AP -0.5 2 3", "y=-0,5(x-2)²+3");
    r("AP 1 -3 -2.25", "y=(x+3)²-2,25");
    // Rounding, the borders of the vertical case, unrounded leading factors.
    r("GE 1.004 0", "y=1x"), r("GE 0.004 0", "y=0x"), r("GE 500 0", "y=500x");
    r("GE 600 0", "0 = x"), r("GE 600 2", "0 = x+2"), r("AP 0.3333333 0 0", "y=0,3333333x²");
    r("AP 0 2 3", "y=0(x-2)²+3"), r("AP 1 0.125 0.375", "y=(x-0,12)²+0,38");
    r("NP 0.3333333 -0.004", "y=x²+0,33x0"), r("XX 1 1", "y="), r("ge 1 1", "y=");
}

void EquationsTest::gleichung()
{
    QFETCH(QString, funktion);
    QFETCH(QString, text);
    Zeichenblatt t;
    const int16_t i = t.funktion(funktion);
    // Parabolas count as not visible, except an "AP" with a = 0, which gets no anchor either.
    t.g.GraphAußerhalb = !funktion.startsWith(QLatin1String("AP 0 "));
    t.g.yAnker = 100.0f;
    t.g.xAnker = 1234.0f;
    t.g.Funktionsgleichung(i);
    QCOMPARE(t.g.fkt.FktText[i], text);
    QVERIFY2(t.plattform.meldungen.empty(), qPrintable(t.plattform.Texte().join('|')));
    const bool gerade = funktion.startsWith(QLatin1String("GE"));
    QVERIFY(gerade || t.g.xAnker == 1234.0f);
    QCOMPARE(t.g.FunkBeschriftung[i]->text(), QString(gerade ? "g1" : "p1"));
}

void EquationsTest::anker_data()
{
    QTest::addColumn<QString>("funktion");
    QTest::addColumn<float>("einheit");
    QTest::addColumn<float>("yAnker");
    QTest::addColumn<float>("xAnker");  // 7: none computed, reported as an error
    const auto r = [](const char* f, float e, float y, float x) {
        QTest::addRow("%s, E=%g", f, double(e)) << QString::fromLatin1(f) << e << y << x;
    };
    r("GE 2 -3", 10, 130, 80), r("GE -0.5 1", 20, 130, -220), r("GE 0 4", 10, 130, -90);
    r("GE 501 0 -2.5", 10, 130, -25), r("GE 501 0 3", 5, 130, 15), r("SP 1 -4", 10, 50, -20);
    r("AP -0.5 2 3", 10, -20, 20 - std::sqrt(1000.0f)), r("SP 0 1", 10, 5, 7);
}

void EquationsTest::anker()
{
    QFETCH(QString, funktion);
    QFETCH(float, einheit);
    QFETCH(float, yAnker);
    QFETCH(float, xAnker);
    Zeichenblatt t;
    t.z.Einheit = einheit;
    const int16_t i = t.funktion(funktion);
    t.g.GraphAußerhalb = false;
    t.g.yAnker = yAnker;
    t.g.xAnker = 7.0f;
    t.g.Funktionsgleichung(i);
    const QStringList meldungen = t.plattform.Texte();
    QCOMPARE(meldungen.size(), xAnker == 7.0f ? 1 : 0);
    QVERIFY(meldungen.isEmpty() || meldungen[0].contains("frmTessarolen:Funktionsgleichung"));
    QCOMPARE(t.g.xAnker, xAnker);
    QCOMPARE(t.g.fkt.FktLabelX[i], xAnker / einheit + 0.2f);
    QCOMPARE(t.g.fkt.FktLabelY[i], yAnker / einheit);
    QVERIFY(!t.g.fkt.FktText[i].isEmpty() && !t.g.FunkBeschriftung[i]->isHidden());
}

TESSAROLEN_TEST_MAIN(EquationsTest)
#include "test_equations.moc"
