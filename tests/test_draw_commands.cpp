// The "Zeichnen" commands through the real menu actions and the real input
// dialog: layout, limits, cancelling, stored values, drawing and listing.

#include "core/deletion_dialogs.h"
#include "core/input_dialog.h"
#include "core/selection_dialogs.h"
#include "core/twips.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

namespace {
enum Ende { Ok, Abbrechen, Schliessen };

// Runs the menu item and types the texts into the input dialog's fields; keeps the item's caption, the dialog's title and
// field captions in `titel`; answers the dialog's layout (third field
// and caption shown, help text's height, tops of "Ok", "Hilfe", "Abbrechen", height), empty when it was not shown.
QString titel;
QList<int> gib(Fenster& w, const char* menü, const QStringList& texte, Ende ende = Ok)
{
    QList<int> layout;
    w.menü(menü, [&] {
        if (!w.k().EingabeExistiert() || !w.k().Eingabe().isVisible()) return;
        frmEingabe& d = w.k().Eingabe();
        titel = QStringList{w.f->Aktion(menü)->text(), d.windowTitle(), d.labEingabe1->text(), d.labEingabe2->text(),
                            d.labEingabe3->text()}.join('|');
        layout = {d.txtEingabe3->isVisible(), d.labEingabe3->isVisible(), Twips(d.labHilfe->height()), ObenTwips(*d.cmdOK), ObenTwips(*d.cmdHilfe),
                  ObenTwips(*d.cmdAbbrechen), d.Höhe()};
        for (const QString& t : texte) QTest::keyClicks(d.focusWidget(), t), QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        ende == Schliessen ? d.close() : (QTest::mouseClick(ende == Ok ? d.cmdOK : d.cmdAbbrechen, Qt::LeftButton), true);
        d.hide();
    });
    return layout;
}
}  // namespace

const QList<int> zweiFelder{0, 0, 855, 1680, 1680, 1680, 2730}, dreiFelder{1, 1, 1355 / 15 * 15, 2160, 2160, 2160, 3150};  // whole pixels
struct Befehl { const char* menü; QString titel, art; };  // menu item, `titel`, kind stored
const QString xs = "|Scheitelkoordinate xs:|Scheitelkoordinate ys:";
const Befehl L{"mnuLineareFunktion", "Gerade...|Lineare Funktion:|Steigung m:|Y-Achsenabschnitt b:|", "GE"},
    A{"mnuAllgParabel", "allgemeine Parabel...|Allgemeine Parabel:|Formfaktor a:" + xs, "AP"},
    N{"mnuNormalform", "Normalform der Parabel...|Normalform der Parabel:|Faktor p:|Konstante q:|", "NP"},
    S{"mnuScheitelform", "Scheitelform der Parabel...|Scheitelform der Parabel:" + xs + '|', "SP"};
// werte: a, b, c, p, q, xs, ys, m, empty when nothing is stored; text: the list entry, or the message.
struct Fall { Befehl b; QStringList eingaben; Ende ende; QList<float> werte; QString text; };
Q_DECLARE_METATYPE(Fall)

class DrawCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void functions_data()
    {
        QTest::addColumn<Fall>("f");
        int n = 0;
        const auto r = [&](Fall f) { QTest::addRow("%d %s", ++n, f.b.menü) << f; };
        r({L, {"2", "-3"}, Ok, {0, -3, 0, 0, 0, 0, 0, 2}, "g1:y=2x-3"});
        r({N, {"4", "3"}, Ok, {1, 0, 0, 4, 3, -2, -1, 0}, "p1:y=x²+4x+3"});
        r({S, {"2", "-1"}, Ok, {1, 0, 0, -4, 3, 2, -1, 0}, "p1:y=(x-2)²-1"});
        r({A, {"2", "1", "-3"}, Ok, {2, 1, -3, 0, -3, 1, -3, 0}, "p1:y=2(x-1)²-3"});
        r({L, {"1/2", "1,5"}, Ok, {0, 1.5f, 0, 0, 0, 0, 0, 0.5f}, "g1:y=0,5x+1,5"});
        r({A, {"0", "2", "3"}, Ok, {}, "Der Formfaktor a darf nicht 0 sein!"});  // no parabola without a
        r({N, {"1", "2"}, Abbrechen, {}, ""}), r({A, {"1", "2"}, Ok, {}, ""});  // third field left empty
        r({L, {"1", "abc"}, Schliessen, {}, ""});  // never checked: not taken
    }
    void functions()
    {
        QFETCH(Fall, f);
        Fenster w;
        w.k().fkt.a[1] = 5.0f;  // what an earlier function left in the slot
        QCOMPARE(gib(w, f.b.menü, f.eingaben, f.ende), f.b.art == "AP" ? dreiFelder : zweiFelder);
        QCOMPARE(titel, f.b.titel);
        QCOMPARE(w.plattform.Texte(), f.werte.isEmpty() && !f.text.isEmpty() ? QStringList{f.text} : QStringList());
        QVERIFY(w.z.AnzFkt == int16_t(!f.werte.isEmpty()) && w.k().IsLoadedFkt(1) == !f.werte.isEmpty());
        if (f.werte.isEmpty())
            return;
        const FunktionsTabelle& t = w.k().fkt;
        QCOMPARE((QList<float>{t.a[1], t.b[1], t.c[1], t.p[1], t.q[1], t.xs[1], t.ys[1], t.m[1]}), f.werte);
        QCOMPARE(t.FktArt[1] + ' ' + w.k().FktWahl().chkFkt(0).text(), f.b.art + ' ' + f.text);
    }

    void tenFunctionsThenTheLimit()
    {
        Fenster w;
        for (int i = 1; i <= 10; ++i) QVERIFY(!gib(w, L.menü, {QString::number(i), "1"}).isEmpty());
        QCOMPARE(w.k().fkt.m[10], 10.0f);
        for (const Befehl& b : {L, A, N, S}) {
            w.plattform.Leeren();
            QVERIFY(gib(w, b.menü, {"1", "1", "1"}).isEmpty() && w.z.AnzFkt == 10);
            QCOMPARE(w.plattform.Texte(), QStringList{"Es können nur 10 Tessarolen\rdargestellt werden!"});
            QVERIFY(w.plattform.meldungen[0].symbol == MsgSymbol::Keins && w.plattform.meldungen[0].titel.isEmpty());
        }
    }

    void points()
    {
        Fenster w;
        QCOMPARE(gib(w, "mnuPunkte", {"1"}, Schliessen), zweiFelder);
        QCOMPARE(titel, "Punkt...          Shift+LinksKlick|Punkt:|Koordinate x:|Koordinate y:|");
        QCOMPARE(w.z.AnzPkt, int16_t(0));  // second field never filled
        gib(w, "mnuPunkte", {"1,5", "-2"}), w.k().PktLöschen().chkLöschen(0).setChecked(true);  // a deletion cancelled
        QCOMPARE((QList<float>{w.k().pkt.PktX[1], w.k().pkt.PktY[1]}), (QList<float>{1.5f, -2.0f}));
        QCOMPARE(w.k().pkt.PktName[1] + ' ' + w.k().PunktBeschriftung[1]->text() + ' ' + w.k().PktWahl().chkPkt(0).text(),
                 QStringLiteral("P P1(1,5/-2) P1(1,5/-2,)"));
        for (int i = 2; i <= 10; ++i) gib(w, "mnuPunkte", {QString::number(i), "0"});
        QVERIFY(gib(w, "mnuPunkte", {"1", "1"}).isEmpty() && w.z.AnzPkt == 10
                && !w.k().PktLöschen().chkLöschen(0).isChecked());
        QCOMPARE(w.plattform.Texte(), QStringList{"Es können nur 10 Punkte\rgezeichnet werden!"});
    }
};

TESSAROLEN_TEST_MAIN(DrawCommandsTest)
#include "test_draw_commands.moc"
