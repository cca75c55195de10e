// The "Zeichnen" commands through the real menu actions and the real input
// dialog: limits, cancelling, stored values, drawing and listing.

#include "core/input_dialog.h"
#include "core/selection_dialogs.h"
#include "core/twips.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
enum Ende { Ok, Abbrechen, Schliessen };

// Runs the menu item and types the texts into the input dialog's fields, one
// after the other; answers whether the dialog was shown.
bool gib(Fenster& w, const char* menü, const QStringList& texte, Ende ende = Ok,
         std::function<void(frmEingabe&)> prüfen = {})
{
    bool gezeigt = false;
    w.menü(menü, [&] {
        if (!w.k().EingabeExistiert() || !w.k().Eingabe().isVisible())
            return;
        frmEingabe& d = w.k().Eingabe();
        gezeigt = true;
        if (prüfen)
            prüfen(d);
        for (const QString& t : texte) {
            QTest::keyClicks(d.focusWidget(), t);
            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        }
        if (ende == Ok)
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        else if (ende == Abbrechen)
            QTest::mouseClick(d.cmdAbbrechen, Qt::LeftButton);
        else
            d.close();
        d.hide();
    });
    return gezeigt;
}
}  // namespace

class DrawCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void storedValues_data()
    {
        QTest::addColumn<QString>("menü");
        QTest::addColumn<QStringList>("eingaben");
        QTest::addColumn<QList<float>>("werte");  // a, b, c, p, q, xs, ys, m
        QTest::addColumn<QString>("eintrag");
        QTest::newRow("line") << "mnuLineareFunktion" << QStringList{"2", "-3"}
                              << QList<float>{0, -3, 0, 0, 0, 0, 0, 2} << "g1:y=2x-3";
        QTest::newRow("normal form") << "mnuNormalform" << QStringList{"4", "3"}
                                     << QList<float>{1, 0, 0, 4, 3, -2, -1, 0} << "p1:y=x²+4x+3";
        QTest::newRow("vertex form") << "mnuScheitelform" << QStringList{"2", "-1"}
                                     << QList<float>{1, 0, 0, -4, 3, 2, -1, 0} << "p1:y=(x-2)²-1";
        QTest::newRow("general") << "mnuAllgParabel" << QStringList{"2", "1", "-3"}
                                 << QList<float>{2, 1, -3, 0, -3, 1, -3, 0} << "p1:y=2(x-1)²-3";
        QTest::newRow("fraction, comma") << "mnuLineareFunktion" << QStringList{"1/2", "1,5"}
                                         << QList<float>{0, 1.5f, 0, 0, 0, 0, 0, 0.5f} << "g1:y=0,5x+1,5";
    }
    void storedValues()
    {
        QFETCH(QString, menü);
        QFETCH(QStringList, eingaben);
        QFETCH(QList<float>, werte);
        QFETCH(QString, eintrag);
        Fenster w;
        w.k().fkt.a[1] = 5.0f;  // what an earlier function left in the slot
        QVERIFY(gib(w, menü.toUtf8().constData(), eingaben));
        const FunktionsTabelle& t = w.k().fkt;
        QCOMPARE(w.z.AnzFkt, int16_t(1));
        QCOMPARE((QList<float>{t.a[1], t.b[1], t.c[1], t.p[1], t.q[1], t.xs[1], t.ys[1], t.m[1]}), werte);
        QCOMPARE(t.FktArt[1], menü.mid(3, 2) == "Li" ? "GE" : menü == "mnuNormalform" ? "NP"
                                                       : menü == "mnuScheitelform" ? "SP" : "AP");
        QVERIFY(w.k().IsLoadedFkt(1));
        QCOMPARE(w.k().FktWahl().chkFkt(0).text(), eintrag);
        QVERIFY(w.k().FktWahl().chkFkt(0).isChecked());
        QVERIFY(w.plattform.meldungen.empty());
    }

    void layouts()
    {
        Fenster w;
        QList<int> zwei, drei;
        auto lies = [](QList<int>& l) {
            return [&l](frmEingabe& d) {
                l = {d.txtEingabe3->isVisible(), d.labEingabe3->isVisible(), ObenTwips(*d.cmdOK),
                     ObenTwips(*d.cmdHilfe), ObenTwips(*d.cmdAbbrechen), d.Höhe()};
            };
        };
        gib(w, "mnuNormalform", {}, Abbrechen, lies(zwei));
        gib(w, "mnuAllgParabel", {}, Abbrechen, lies(drei));
        QCOMPARE(zwei, (QList<int>{0, 0, 1680, 1680, 1680, 2730}));
        QCOMPARE(drei, (QList<int>{1, 1, 2160, 2160, 2160, 3150}));
        QCOMPARE(w.k().Eingabe().windowTitle(), QStringLiteral("Allgemeine Parabel:"));
        QCOMPARE(w.z.AnzFkt, int16_t(0));
    }

    void tenFunctionsThenTheLimit()
    {
        Fenster w;
        for (int i = 1; i <= 10; ++i)
            QVERIFY(gib(w, "mnuLineareFunktion", {QString::number(i), "1"}));
        QCOMPARE(w.z.AnzFkt, int16_t(10));
        QCOMPARE(w.k().fkt.m[10], 10.0f);
        for (const char* menü : {"mnuLineareFunktion", "mnuAllgParabel", "mnuNormalform", "mnuScheitelform"}) {
            w.plattform.Leeren();
            QVERIFY(!gib(w, menü, {"1", "1", "1"}));
            QCOMPARE(w.z.AnzFkt, int16_t(10));
            QCOMPARE(w.plattform.Texte(), QStringList{"Es können nur 10 Tessarolen\rdargestellt werden!"});
            QCOMPARE(w.plattform.meldungen[0].symbol, MsgSymbol::Keins);
            QCOMPARE(w.plattform.meldungen[0].titel, QString());
        }
    }

    void cancelledOrIncompleteInputKeepsTheCount()
    {
        Fenster w;
        QVERIFY(gib(w, "mnuPunkte", {"1"}, Schliessen));  // second field never filled
        QVERIFY(gib(w, "mnuLineareFunktion", {"2", "1"}));
        QVERIFY(gib(w, "mnuNormalform", {"1", "2"}, Abbrechen));
        QVERIFY(gib(w, "mnuAllgParabel", {"1", "2"}, Schliessen));  // third field left empty
        QVERIFY(gib(w, "mnuLineareFunktion", {"1", "abc"}, Schliessen));  // never checked: not taken
        QCOMPARE(w.z.AnzPkt, int16_t(0));
        QCOMPARE(w.z.AnzFkt, int16_t(1));
        QVERIFY(!w.k().IsLoadedFkt(2));
        QVERIFY(w.plattform.meldungen.empty());
    }

    // With a = 0 there is no parabola: the general parabola is refused.
    void generalParabolaWithoutFactor()
    {
        Fenster w;
        QVERIFY(gib(w, "mnuAllgParabel", {"0", "2", "3"}));
        QCOMPARE(w.z.AnzFkt, int16_t(0));
        QCOMPARE(w.plattform.Texte(), QStringList{"Der Formfaktor a darf nicht 0 sein!"});
        QVERIFY(!w.k().IsLoadedFkt(1));
    }

    void points()
    {
        Fenster w;
        QVERIFY(gib(w, "mnuPunkte", {"1,5", "-2"}));
        QCOMPARE((QList<float>{w.k().pkt.PktX[1], w.k().pkt.PktY[1]}), (QList<float>{1.5f, -2.0f}));
        QCOMPARE(w.k().pkt.PktName[1], QStringLiteral("P"));
        QCOMPARE(w.k().PunktBeschriftung[1]->text(), QStringLiteral("P1(1,5/-2)"));
        QCOMPARE(w.k().PktWahl().chkPkt(0).text(), QStringLiteral("P1(1,5/-2,)"));
        QCOMPARE(w.blatt().Point(115.0f, 168.5f), 0x4000);  // the cross at (15 | -20) mm
        for (int i = 2; i <= 10; ++i)
            QVERIFY(gib(w, "mnuPunkte", {QString::number(i), "0"}));
        QVERIFY(!gib(w, "mnuPunkte", {"1", "1"}));
        QCOMPARE(w.z.AnzPkt, int16_t(10));
        QCOMPARE(w.plattform.Texte(), QStringList{"Es können nur 10 Punkte\rgezeichnet werden!"});
    }
};

TESSAROLEN_TEST_MAIN(DrawCommandsTest)
#include "test_draw_commands.moc"
