// The "Zeichnen" commands through the real menu actions and the real input
// dialog: limits, cancelling, stored values, drawing and listing.

#include "core/input_dialog.h"
#include "core/selection_dialogs.h"
#include "core/sheet_widget.h"
#include "core/tables.h"
#include "core/twips.h"
#include "main_window/main_window.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
struct Aufbau {
    SkriptPlattform plattform;
    Programmzustand z;
    std::unique_ptr<frmTessarolen> fenster;
    Aufbau()
    {
        z.plattform = &plattform;
        fenster = std::make_unique<frmTessarolen>(z);
        fenster->ProgrammBeenden = [] {};
    }
    GraphCore& k() { return fenster->Kern(); }

    enum Ende { Ok, Abbrechen, Schliessen };
    // Runs the menu item; types the texts into the fields of the input
    // dialog one after the other and ends it as told. Answers whether the
    // dialog was shown at all.
    bool gib(const char* menü, const QStringList& texte, Ende ende = Ok,
             std::function<void(frmEingabe&)> prüfen = {})
    {
        bool gezeigt = false;
        QTimer zeitgeber;
        zeitgeber.setSingleShot(true);
        QObject::connect(&zeitgeber, &QTimer::timeout, [&] {
            if (!k().EingabeExistiert())
                return;
            frmEingabe& d = k().Eingabe();
            if (!d.isVisible())
                return;
            gezeigt = true;
            if (prüfen)
                prüfen(d);
            for (const QString& t : texte) {
                QWidget* f = d.focusWidget();
                QTest::keyClicks(f, t);
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            }
            if (ende == Ok)
                QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            else if (ende == Abbrechen)
                QTest::mouseClick(d.cmdAbbrechen, Qt::LeftButton);
            else
                d.close();
            if (d.isVisible())  // refused: leave it to the test
                d.hide();
        });
        zeitgeber.start(0);
        fenster->Aktion(QString::fromUtf8(menü))->trigger();
        return gezeigt;
    }
};
}  // namespace

class DrawCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void storedValues_data()
    {
        QTest::addColumn<QString>("menü");
        QTest::addColumn<QStringList>("eingaben");
        QTest::addColumn<QString>("art");
        // a, b, c, p, q, xs, ys, m
        QTest::addColumn<QList<float>>("werte");
        QTest::addColumn<QString>("text");
        QTest::newRow("line") << "mnuLineareFunktion" << QStringList{"2", "-3"} << "GE"
                              << QList<float>{0, -3, 0, 0, 0, 0, 0, 2} << "y=2x-3";
        QTest::newRow("normal form") << "mnuNormalform" << QStringList{"4", "3"} << "NP"
                                     << QList<float>{1, 0, 0, 4, 3, -2, -1, 0} << "y=x²+4x+3";
        QTest::newRow("vertex form") << "mnuScheitelform" << QStringList{"2", "-1"} << "SP"
                                     << QList<float>{1, 0, 0, -4, 3, 2, -1, 0} << "y=(x-2)²-1";
        QTest::newRow("general") << "mnuAllgParabel" << QStringList{"2", "1", "-3"} << "AP"
                                 << QList<float>{2, 1, -3, 0, -3, 1, -3, 0} << "y=2(x-1)²-3";
        QTest::newRow("fraction and comma") << "mnuLineareFunktion" << QStringList{"1/2", "1,5"} << "GE"
                                            << QList<float>{0, 1.5f, 0, 0, 0, 0, 0, 0.5f}
                                            << "y=0,5x+1,5";
    }
    void storedValues()
    {
        QFETCH(QString, menü);
        QFETCH(QStringList, eingaben);
        QFETCH(QString, art);
        QFETCH(QList<float>, werte);
        QFETCH(QString, text);
        Aufbau a;
        a.k().fkt.a[1] = 5.0f;  // what an earlier function left in the slot
        QVERIFY(a.gib(menü.toUtf8().constData(), eingaben));
        const FunktionsTabelle& t = a.k().fkt;
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        QCOMPARE(t.FktArt[1], art);
        const QList<float> ist{t.a[1], t.b[1], t.c[1], t.p[1], t.q[1], t.xs[1], t.ys[1], t.m[1]};
        QCOMPARE(ist, werte);
        QCOMPARE(t.FktText[1], text);
        // Drawn with its label and listed, ticked.
        QVERIFY(a.k().IsLoadedFkt(1));
        QVERIFY(a.k().FktWahl().chkFkt(0).isChecked());
        QCOMPARE(a.k().FktWahl().chkFkt(0).text(), (art == "GE" ? "g1:" : "p1:") + text);
        QVERIFY(a.plattform.meldungen.empty());
    }

    void layouts()
    {
        Aufbau a;
        bool zwei = false, drei = false;
        a.gib("mnuNormalform", {}, Aufbau::Abbrechen, [&](frmEingabe& d) {
            zwei = !d.txtEingabe3->isVisible() && !d.labEingabe3->isVisible() &&
                   ObenTwips(*d.cmdOK) == 1680 && ObenTwips(*d.cmdHilfe) == 1680 &&
                   d.Höhe() == 2730 && d.windowTitle() == QStringLiteral("Normalform der Parabel:") &&
                   d.labEingabe1->text() == QStringLiteral("Faktor p:");
        });
        a.gib("mnuAllgParabel", {}, Aufbau::Abbrechen, [&](frmEingabe& d) {
            drei = d.txtEingabe3->isVisible() && ObenTwips(*d.cmdAbbrechen) == 2160 &&
                   d.Höhe() == 3150 && d.labEingabe3->text() == QStringLiteral("Scheitelkoordinate ys:");
        });
        QVERIFY(zwei);
        QVERIFY(drei);
        QCOMPARE(a.z.AnzFkt, int16_t(0));
    }

    void tenFunctionsThenTheLimit()
    {
        Aufbau a;
        for (int i = 1; i <= 10; ++i)
            QVERIFY(a.gib("mnuLineareFunktion", {QString::number(i), "1"}));
        QCOMPARE(a.z.AnzFkt, int16_t(10));
        QCOMPARE(a.k().fkt.m[10], 10.0f);
        QVERIFY(a.k().FktWahl().chkFkt(9).isChecked());
        QVERIFY(!a.k().FktWahl().chkFkt(8).isChecked());
        for (const char* menü : {"mnuLineareFunktion", "mnuAllgParabel", "mnuNormalform", "mnuScheitelform"}) {
            a.plattform.Leeren();
            QVERIFY(!a.gib(menü, {"1", "1", "1"}));
            QCOMPARE(a.z.AnzFkt, int16_t(10));
            QCOMPARE(a.plattform.meldungen.size(), size_t(1));
            QCOMPARE(a.plattform.meldungen[0].text, QStringLiteral("Es können nur 10 Tessarolen\rdargestellt werden!"));
            QCOMPARE(a.plattform.meldungen[0].symbol, MsgSymbol::Keins);
            QCOMPARE(a.plattform.meldungen[0].titel, QString());
        }
    }

    void cancelledOrIncompleteInputKeepsTheCount()
    {
        Aufbau a;
        QVERIFY(a.gib("mnuPunkte", {"1"}, Aufbau::Schliessen));  // second field never filled
        QCOMPARE(a.z.AnzPkt, int16_t(0));
        QVERIFY(a.gib("mnuLineareFunktion", {"2", "1"}));
        QVERIFY(a.gib("mnuNormalform", {"1", "2"}, Aufbau::Abbrechen));
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        QVERIFY(a.gib("mnuAllgParabel", {"1", "2"}, Aufbau::Schliessen));  // third field left empty
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        QVERIFY(!a.k().IsLoadedFkt(2));
        QVERIFY(a.plattform.meldungen.empty());
    }

    // A general parabola needs a factor other than 0.
    void generalParabolaWithoutFactorIsRefused()
    {
        Aufbau a;
        QVERIFY(a.gib("mnuAllgParabel", {"0", "2", "3"}));
        QCOMPARE(a.z.AnzFkt, int16_t(0));
        QCOMPARE(a.plattform.meldungen.size(), size_t(1));
        QCOMPARE(a.plattform.meldungen[0].text, QStringLiteral("Der Formfaktor a darf nicht 0 sein!"));
        QVERIFY(!a.k().IsLoadedFkt(1));
        QVERIFY(a.gib("mnuAllgParabel", {"-0,5", "2", "3"}));
        QCOMPARE(a.z.AnzFkt, int16_t(1));
        QCOMPARE(a.k().fkt.FktText[1], QStringLiteral("y=-0,5(x-2)²+3"));
    }

    void points()
    {
        Aufbau a;
        QVERIFY(a.gib("mnuPunkte", {"1,5", "-2"}));
        QCOMPARE(a.z.AnzPkt, int16_t(1));
        QCOMPARE(a.k().pkt.PktX[1], 1.5f);
        QCOMPARE(a.k().pkt.PktY[1], -2.0f);
        QCOMPARE(a.k().pkt.PktName[1], QStringLiteral("P"));
        QCOMPARE(a.k().PunktBeschriftung[1]->text(), QStringLiteral("P1(1,5/-2)"));
        QCOMPARE(a.k().PktWahl().chkPkt(0).text(), QStringLiteral("P1(1,5/-2,)"));
        // The cross is drawn in dark green at (15 mm | -20 mm).
        QCOMPARE(a.fenster->Blatt().Flaeche().Point(115.0f, 168.5f), 0x4000);
        for (int i = 2; i <= 10; ++i)
            QVERIFY(a.gib("mnuPunkte", {QString::number(i), "0"}));
        QCOMPARE(a.z.AnzPkt, int16_t(10));
        QVERIFY(!a.gib("mnuPunkte", {"1", "1"}));
        QCOMPARE(a.z.AnzPkt, int16_t(10));
        QCOMPARE(a.plattform.Texte(), QStringList{QStringLiteral("Es können nur 10 Punkte\rgezeichnet werden!")});
    }
};

TESSAROLEN_TEST_MAIN(DrawCommandsTest)
#include "test_draw_commands.moc"
