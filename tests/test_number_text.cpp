// Number texts and the checked arithmetic, in a German locale.

#include "core/number_text.h"
#include "core/runtime_error.h"
#include "tests/support/test_main.h"
#include <cfloat>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void texte()
    {
        QStringList ist, soll;
        const auto r = [&](const QString& text, const char* erwartet) { ist << text, soll << erwartet; };
        // Locale-independent, a blank before non-negative values, no zero before the point.
        r(StrText(5, 7), " 5"), r(StrText(-4, 7), "-4"), r(StrText(0, 7), " 0"), r(StrText(0.5), " .5");
        r(StrText(-0.25), "-.25"), r(StrText(2.0 / 3), " .666666666666667"), r(StrText(double(0.1f), 7), " .1");
        r(StrText(1.5e20), " 1.5E+20"), r(StrText(-2e-7), "-2E-07");
        // The user's locale, seven significant digits for a float.
        r(ZahlText(2, 7), "2"), r(ZahlText(0.5, 7), "0,5"), r(ZahlText(double(1.0f / 3), 7), "0,3333333");
        r(ZahlText(-1.5, 7), "-1,5"), r(ZahlText(-0.0, 7), "0"), r(ZahlText(12345.5, 7), "12345,5");
        r(ZahlText(double(0.1f), 7), "0,1"), r(ZahlText(1234567, 7), "1234567");
        r(ZahlText(12345678, 7), "1,234568E+07");
        // Two decimals, half to even on the exact stored value.
        r(ZweiStellenText(0.125), "0,12"), r(ZweiStellenText(0.375), "0,38"), r(ZweiStellenText(2.675), "2,67");
        r(ZweiStellenText(double(0.135f)), "0,14"), r(ZweiStellenText(-3.14159), "-3,14");
        r(ZweiStellenText(3), "3"), r(ZweiStellenText(2.5), "2,5");
        // "#0.##" and "#.00", half away from zero.
        r(FormatRaute0(2), "2,"), r(FormatRaute0(0), "0,"), r(FormatRaute0(-0.333), "-0,33");
        r(FormatRaute0(0.125), "0,13"), r(FormatRaute0(2.675), "2,68"), r(FormatRaute0(9.999), "10,");
        r(FormatRaute0(double(3.456f)), "3,46"), r(FormatPunkt00(5), "5,00"), r(FormatPunkt00(0), ",00");
        r(FormatPunkt00(-0.333), "-,33"), r(FormatPunkt00(0.125), ",13"), r(FormatPunkt00(9.999), "10,00");
        QCOMPARE(ist, soll);
    }

    // The point-only conversion.
    void val()
    {
        const std::pair<const char*, double> faelle[] = {
            {"", 0}, {"-", 0}, {"2.5", 2.5}, {"2,5", 2}, {" 5", 5}, {".666666666666667", 0.666666666666667},
            {"-.25", -0.25}, {"5.", 5}, {"12abc", 12}, {" 1.5E+20", 1.5e20}, {"1 2", 12}, {"abc", 0},
            {"1.5.2", 1.5}, {"-2E-07", -2e-7}};
        for (const auto& [text, wert] : faelle)
            QCOMPARE(Val(QString::fromLatin1(text)), wert);
        QVERIFY_THROWS_EXCEPTION(LaufzeitFehler, Val(u"1E999"));
    }

    void checkedArithmetic()
    {
        const auto nummer = [](auto&& f) {  // of the error raised, 0 for none
            try { f(); } catch (const LaufzeitFehler& e) { return e.Nummer; }
            return 0;
        };
        // Nothing stores infinity: overflow is raised instead.
        for (double v : {1e39, -1e39, std::numeric_limits<double>::infinity(), std::nan("")})
            QCOMPARE(nummer([v] { AlsSingle(v); }), 6);
        QCOMPARE((QList<float>{AlsSingle(1.5), AlsSingle(-double(FLT_MAX))}), (QList<float>{1.5f, -FLT_MAX}));
        QCOMPARE(nummer([] { AlsInteger(32768.0); }) + nummer([] { AlsInteger(-32769.0); }), 12);
        QCOMPARE((QList<int>{AlsInteger(-32768.0), AlsInteger(2.5), AlsInteger(3.5)}), (QList<int>{-32768, 2, 4}));
        QCOMPARE((QList<int>{nummer([] { Teile(1.0, 0.0); }), nummer([] { Teile(0.0, 0.0); }),
                             nummer([] { Teile(1e300, 1e-300); }), nummer([] { Wurzel(-1e-9); })}),
                 (QList<int>{11, 6, 6, 5}));
        QCOMPARE(Teile(1.0, 4.0) + Wurzel(9.0), 3.25);
    }
};

TESSAROLEN_TEST_MAIN(NumberTextTest)
#include "test_number_text.moc"
