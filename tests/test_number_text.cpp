// Number texts and the checked arithmetic, in a German locale.

#include "core/number_text.h"
#include "core/runtime_error.h"
#include "tests/support/test_main.h"

#include <cfloat>
#include <cmath>
#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void strText_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("stellen");
        QTest::addColumn<QString>("text");
        QTest::newRow("positive integer") << 5.0 << 7 << " 5";
        QTest::newRow("negative integer") << -4.0 << 7 << "-4";
        QTest::newRow("zero") << 0.0 << 7 << " 0";
        QTest::newRow("no zero before the point") << 0.5 << 15 << " .5";
        QTest::newRow("negative fraction") << -0.25 << 15 << "-.25";
        QTest::newRow("two thirds, 15 digits") << 2.0 / 3.0 << 15 << " .666666666666667";
        QTest::newRow("float 0.1 at 7 digits") << double(0.1f) << 7 << " .1";
        QTest::newRow("large as exponent") << 1.5e20 << 15 << " 1.5E+20";
        QTest::newRow("small as exponent") << -2e-7 << 15 << "-2E-07";
    }
    void strText()
    {
        QFETCH(double, wert);
        QFETCH(int, stellen);
        QFETCH(QString, text);
        QCOMPARE(StrText(wert, stellen), text);
        // What StrText writes reads back with the point-only conversion.
        QVERIFY(std::abs(Val(text) - wert) <= std::abs(wert) * 1e-6);
    }

    void zahlText_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("stellen");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 2.0 << 7 << "2";
        QTest::newRow("half") << 0.5 << 7 << "0,5";
        QTest::newRow("third of a float") << double(1.0f / 3.0f) << 7 << "0,3333333";
        QTest::newRow("negative") << -1.5 << 7 << "-1,5";
        QTest::newRow("negative zero") << -0.0 << 7 << "0";
        QTest::newRow("no group separator") << 12345.5 << 7 << "12345,5";
        QTest::newRow("float 0.1") << double(0.1f) << 7 << "0,1";
        QTest::newRow("seven digits") << 1234567.0 << 7 << "1234567";
        QTest::newRow("beyond seven digits") << 12345678.0 << 7 << "1,234568E+07";
    }
    void zahlText()
    {
        QFETCH(double, wert);
        QFETCH(int, stellen);
        QFETCH(QString, text);
        QCOMPARE(ZahlText(wert, stellen), text);
    }

    void rundeGerade_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<double>("gerundet");
        QTest::newRow("tie to even down") << 0.125 << 0.12;
        QTest::newRow("tie to even up") << 0.375 << 0.38;
        QTest::newRow("float just above a tie") << double(0.135f) << 0.14;
        QTest::newRow("below the tie in binary") << 2.675 << 2.67;
        QTest::newRow("negative") << -3.14159 << -3.14;
        QTest::newRow("whole") << 3.0 << 3.0;
    }
    void rundeGerade()
    {
        QFETCH(double, wert);
        QFETCH(double, gerundet);
        QCOMPARE(RundeGerade(wert, 2), gerundet);
    }

    void zweiStellen()
    {
        QCOMPARE(ZweiStellenText(2.5), QStringLiteral("2,5"));
        QCOMPARE(ZweiStellenText(3.0), QStringLiteral("3"));
        QCOMPARE(ZweiStellenText(0.125), QStringLiteral("0,12"));
        QCOMPARE(ZweiStellenText(double(0.135f)), QStringLiteral("0,14"));
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("decimal point") << "2.5" << 2.5;
        QTest::newRow("comma stops") << "2,5" << 2.0;
        QTest::newRow("leading blank") << " 5" << 5.0;
        QTest::newRow("no zero before point") << ".666666666666667" << 0.666666666666667;
        QTest::newRow("negative") << "-.25" << -0.25;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("stops at letter") << "12abc" << 12.0;
        QTest::newRow("exponent") << "1.5E+20" << 1.5e20;
        QTest::newRow("blanks inside") << "1 2" << 12.0;
        QTest::newRow("garbage") << "abc" << 0.0;
        QTest::newRow("second point stops") << "1.5.2" << 1.5;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(Val(text), wert);
    }

    void valOverflowRaises()
    {
        QVERIFY_THROWS_EXCEPTION(LaufzeitFehler, Val(u"1E999"));
    }

    void formate_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("raute");
        QTest::addColumn<QString>("punkt00");
        QTest::newRow("whole") << 2.0 << "2," << "2,00";
        QTest::newRow("half") << 2.5 << "2,5" << "2,50";
        QTest::newRow("zero") << 0.0 << "0," << ",00";
        QTest::newRow("negative third") << -0.333 << "-0,33" << "-,33";
        QTest::newRow("below one") << 0.5 << "0,5" << ",50";
        QTest::newRow("half away from zero") << 0.125 << "0,13" << ",13";
        QTest::newRow("decimal tie") << 2.675 << "2,68" << "2,68";
        QTest::newRow("carry") << 9.999 << "10," << "10,00";
        QTest::newRow("distance 5") << 5.0 << "5," << "5,00";
        QTest::newRow("float 3.456") << double(3.456f) << "3,46" << "3,46";
    }
    void formate()
    {
        QFETCH(double, wert);
        QFETCH(QString, raute);
        QFETCH(QString, punkt00);
        QCOMPARE(FormatRaute0(wert), raute);
        QCOMPARE(FormatPunkt00(wert), punkt00);
    }

    void checkedArithmetic()
    {
        QCOMPARE(AlsSingle(1.5), 1.5f);
        QCOMPARE(AlsSingle(-double(FLT_MAX)), -FLT_MAX);
        const auto nummer = [](auto&& f) {
            try {
                f();
            } catch (const LaufzeitFehler& e) {
                return e.Nummer;
            }
            return 0;
        };
        // Nothing stores infinity: overflow is raised instead.
        QCOMPARE(nummer([] { AlsSingle(1e39); }), 6);
        QCOMPARE(nummer([] { AlsSingle(-1e39); }), 6);
        QCOMPARE(nummer([] { AlsSingle(std::numeric_limits<double>::infinity()); }), 6);
        QCOMPARE(nummer([] { AlsSingle(std::nan("")); }), 6);
        QCOMPARE(nummer([] { AlsInteger(32768.0); }), 6);
        QCOMPARE(nummer([] { AlsInteger(-32769.0); }), 6);
        QCOMPARE(AlsInteger(-32768.0), int16_t(-32768));
        QCOMPARE(AlsInteger(2.5), int16_t(2));
        QCOMPARE(AlsInteger(3.5), int16_t(4));
        QCOMPARE(nummer([] { Teile(1.0, 0.0); }), 11);
        QCOMPARE(nummer([] { Teile(0.0, 0.0); }), 6);
        QCOMPARE(nummer([] { Teile(1e300, 1e-300); }), 6);
        QCOMPARE(Teile(1.0, 4.0), 0.25);
        QCOMPARE(nummer([] { Wurzel(-1e-9); }), 5);
        QCOMPARE(Wurzel(9.0), 3.0);
    }
};

TESSAROLEN_TEST_MAIN(NumberTextTest)
#include "test_number_text.moc"
