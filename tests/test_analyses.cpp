// The analyses as the selection dialogs' buttons start them: results, points, labels, messages, functions.

#include "core/analysis_math.h"
#include "core/input_dialog.h"
#include "core/result_window.h"
#include "core/selection_dialogs.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

namespace {
// A line m·x + b (vertical above m = 500, at x = xs) or a parabola a·(x − xs)² + ys.
struct Fkt { float m = 0, b = 0, a = 0, xs = 0, ys = 0; };
Fkt G(float m, float b) { return {m, b}; }
Fkt Senk(float x) { return {501, 0, 0, x}; }
Fkt Par(float a, float xs, float ys) { return {0, 0, a, xs, ys}; }

enum Knopf { Null, YAchse, Scheitel, Schnitt, Probe, Gerade2 = 10, Parabel2, Abstand2 };  // function, then point dialog

struct Umgebung : Zeichenblatt {
    // Functions added and listed; then the given ones ticked in the function dialog.
    void Funktionen(const QList<Fkt>& fs, const QList<int>& haken)
    {
        for (const Fkt& f : fs) {
            const int16_t i = f.m > 500 ? senkrechte(f.xs) : f.a || f.ys ? scheitelform(f.xs, f.ys) : gerade(f.m, f.b);
            g.fkt.a[i] = f.a, g.MenüFunktionsEinträge(i);
        }
        for (int k = 1; k <= z.AnzFkt; ++k)
            g.FktWahl().chkFkt.SetzeHaken(k - 1, haken.contains(k));
    }
    // Points at the given places, else at (k | 1), listed; the given ones ticked.
    void Punkte(int n, const QList<QPointF>& orte = {}, const QList<int>& haken = {})
    {
        for (int k = 0; k < n; ++k)
            punkt(k < orte.size() ? orte[k].x() : k + 1, k < orte.size() ? orte[k].y() : 1);
        g.MenüPunkteEintragen();
        for (int k = 1; k <= z.AnzPkt; ++k)
            g.PktWahl().chkPkt.SetzeHaken(k - 1, haken.contains(k));
    }
    void Drücke(int knopf) { knopf < Gerade2 ? g.FktWahl().Aktion(knopf) : g.PktWahl().Aktion(knopf - Gerade2); }
};

frmPunkte* Ergebnisfenster()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmPunkte")) return static_cast<frmPunkte*>(w);
    return nullptr;
}
QStringList Zeilen(frmPunkte& f)  // the visible point lines
{
    return QStringList{f.labP1->isVisibleTo(&f) ? f.labP1->text() : "", f.labP2->isVisibleTo(&f) ? f.labP2->text() : ""}
        .filter(QRegularExpression("."));
}

struct Ergebnis { QList<Fkt> fs; int vorher, knopf; QString satz; QStringList zeilen = {}; };  // satz empty: refused
// A message, or with `art` a new function; werte: m, b, xSenkrecht, xSenkrecht2 or p, q, xs, ys.
struct Antwort { int fkt, knopf; QList<int> haken; QString text = {}, titel = {}, art = {}; QList<float> werte = {}; };
struct Probefall { Fkt f; QString x, y, antwort; };  // antwort empty: cancelled
// A step that overflows: functions (both ticked) or two ticked points, and where it is reported.
struct Ueberlauf { QList<Fkt> fs; QList<QPointF> orte; int knopf; QString ort; };
}  // namespace
Q_DECLARE_METATYPE(Ergebnis) Q_DECLARE_METATYPE(Antwort) Q_DECLARE_METATYPE(Probefall) Q_DECLARE_METATYPE(Ueberlauf)

class AnalysesTest : public QObject {
    Q_OBJECT
private slots:
    void quadratUndUeberlauf()
    {
        // (p/2)² is positive in double but below the smallest float: one root.
        const Punktergebnis e = Mitternacht(std::ldexp(1.0f, -79), 0);
        QCOMPARE((QList<float>{float(e.Anzahl), e.x[0]}), (QList<float>{1, -std::ldexp(1.0f, -80)}));
    }

    // All functions ticked, `vorher` points stored before.
    void ergebnis_data()
    {
        QTest::addColumn<Ergebnis>("e");
        auto r = [n = 0](QList<Fkt> fs, int vorher, int knopf, const char* satz, QStringList zeilen = {}) mutable {
            QTest::addRow("%d %s", ++n, satz) << Ergebnis{fs, vorher, knopf, satz, zeilen};
        };
        const char *eine = "f1 hat eine Nullstelle:", *zwei = "f1 hat zwei Nullstellen:", *keine = "f1 hat keine Nullstellen!";
        const char *keinP = "f1 und f2 haben keinen Schnittpunkt!", *einP = "f1 und f2 haben einen Schnittpunkt:";
        const char *zweiP = "f1 und f2 haben zwei Schnittpunkte:", *S = "f1 hat den Scheitelpunkt:";
        r({G(2, -4)}, 0, Null, eine, {"N1(2/0)"}), r({Par(1, 1, -4)}, 2, Null, zwei, {"N3(3/0)", "N4(-1/0)"});
        r({G(0, 3)}, 0, Null, keine), r({G(0, 0)}, 1, Null, "f1 hat unendlich viele Nullstellen!");
        r({Senk(2)}, 0, Null, eine, {"N1(2/0)"}), r({G(500, -1000)}, 0, Null, eine, {"N1(2/0)"});  // 500: not vertical
        r({Par(1, 0, 0)}, 0, Null, eine, {"N1(0/0)"}), r({G(8, -1)}, 0, Null, eine, {"N1(0,12/0)"});  // half to even
        r({Par(2, 1, 3)}, 0, YAchse, "f1 hat den Y-Achsenschnittpunkt:", {"T1(0/5)"});
        r({Senk(0)}, 0, YAchse, "f1 hat keinen Y-Achsenschnittpunkt!"), r({Par(2, 1, 3)}, 3, Scheitel, S, {"S4(1/3)"});
        r({Par(0, 1, 3)}, 0, Scheitel, S, {"S1(1/3)"});  // a parabola by its kind, even with a = 0
        // Intersections: a vertical line or a parabola first and second, the points in the order they are stored.
        const auto s = [&](QList<Fkt> fs, const char* satz, QStringList zeilen = {}) { r(fs, 0, Schnitt, satz, zeilen); };
        s({G(1, 1), G(-1, 3)}, einP, {"P1(1/2)"}), s({G(1, 1), Senk(2)}, einP, {"P1(2/3)"});
        s({Senk(2), G(1, 1)}, einP, {"P1(2/3)"}), s({Senk(2), Senk(5)}, keinP), s({G(2, 1), G(2, 1)}, keinP);
        s({Senk(2), Par(1, 1, -4)}, einP, {"P1(2/-3)"}), s({Par(1, 1, -4), Senk(2)}, einP, {"P1(2/-3)"});
        s({G(1, 0), Par(1, 0, 0)}, zweiP, {"P1(1/1)", "P2(0/0)"}), s({G(2, -1), Par(1, 0, 0)}, einP, {"P1(1/1)"});
        s({Par(1, 0, 0), G(1, 0)}, zweiP, {"P1(1/1)", "P2(0/0)"}), s({Par(2, 1, 3), G(0, 5)}, zweiP, {"P1(2/5)", "P2(0/5)"});
        s({Par(1, 0, 0), Par(-1, 1, 5)}, zweiP, {"Q1(2/4)", "Q2(-1/1)"}), s({Par(1, 0, 0), Par(1, 0, 1)}, keinP);
        s({Par(1, 0, 0), Par(1, 2, 0)}, einP, {"Q1(1/1)"}), s({Par(2, 0, 0), Par(2, 1, 2)}, einP, {"Q1(1/2)"});
        // The count is raised before the limit test; empty: refused at the point limit.
        r({Par(1, 1, -4)}, 9, Null, ""), r({Par(1, 0, 0)}, 9, Null, eine, {"N10(0/0)"}), r({Par(1, 0, 0)}, 10, Null, "");
        r({Par(1, 0, 1)}, 10, Null, keine), r({G(0, 3)}, 10, Null, ""), r({Senk(1)}, 10, YAchse, "");
        r({Par(1, 0, 0)}, 9, Scheitel, S, {"S10(0/0)"}), r({Par(1, 0, 0)}, 10, Scheitel, "");
        r({G(1, 1), G(-1, 3)}, 10, Schnitt, ""), r({G(1, 1), G(1, 3)}, 10, Schnitt, keinP), r({G(1, 0), Par(1, 0, 0)}, 9, Schnitt, "");
    }
    void ergebnis()
    {
        QFETCH(Ergebnis, e);
        Umgebung u;
        u.Funktionen(e.fs, {1, 2});
        u.Punkte(e.vorher);
        u.Drücke(e.knopf);
        const int nachher = e.vorher + int(e.zeilen.size());
        QCOMPARE(QString::number(u.z.AnzPkt) + u.g.pkt.PktName[nachher + 1], QString::number(nachher));
        QVERIFY(!u.g.PktWahl().chkPkt.Existiert(std::max(nachher, 1)));  // element 0 always exists
        frmPunkte* f = Ergebnisfenster();
        QCOMPARE(u.plattform.Texte(), e.satz.isEmpty() ? QStringList{"Es können nur 10 Punkte\rgezeichnet werden!"} : QStringList());
        QVERIFY(bool(f) != e.satz.isEmpty() && (f || u.plattform.meldungen[0].symbol == MsgSymbol::Keins));
        if (!f)
            return;
        QVERIFY(f->isVisible() && !f->isModal());
        const char* titel[] = {"Nullstellen", "Y-Achsenschnittpunkt", "Scheitelpunkt", "Schnittpunkte"};
        QCOMPARE(f->windowTitle() + '|' + f->Label1->text(), titel[e.knopf] + ('|' + e.satz));
        QCOMPARE(Zeilen(*f), e.zeilen);
        for (int n = e.vorher; const QString& z : e.zeilen) {  // stored, listed and drawn with its name
            QVERIFY(u.g.pkt.PktName[++n] == z.left(1) && u.g.PktWahl().chkPkt(n - 1).text().startsWith(z.section('(', 0, 0) + "("));
            QCOMPARE(u.g.PunktBeschriftung[n] ? u.g.PunktBeschriftung[n]->text() : "", z);
        }
    }

    // Answers without the result window, with 3 or 10 functions and 8 points.
    void antwort_data()
    {
        QTest::addColumn<Antwort>("a");
        auto r = [n = 0](Antwort a) mutable { QTest::addRow("%d %s", ++n, qPrintable(a.text + a.art)) << a; };
        const QString keine = "Es ist keine Funktion ausgewählt!!", mehr = "Es ist mehr als eine Funktion ausgewählt!!";
        const QString zwei = "Es müssen 2 Tessarolen ausgewählt sein!!", h = "Hinweis...", e = "Ergebnis...";
        r({10, Null, {}, keine}), r({10, Null, {1, 3}, mehr}), r({10, YAchse, {2, 3}, mehr}), r({10, Scheitel, {}, keine});
        r({10, Scheitel, {1}, "Eine Gerade hat keinen Scheitelpunkt!"}), r({10, Probe, {1, 2}, mehr}), r({10, Schnitt, {2}, zwei});
        r({10, Schnitt, {}, zwei}), r({10, Schnitt, {1, 2, 3}, "Es sind mehr als 2 Tessarolen ausgewählt!!"});
        for (int k : {Gerade2, Parabel2, Abstand2})
            r({10, k, {2}, "Es müssen 2 Punkte ausgewählt werden!!", h}),
                r({10, k, {1, 2, 3}, "Es sind mehr als 2 Punkte ausgewählt!!", h});
        const QString grenze = "Es können nur 10 Tessarolen\rdargestellt werden!";
        r({10, Gerade2, {6, 7}, grenze}), r({10, Parabel2, {4, 5}, grenze});  // the limit before equal x
        r({3, Parabel2, {4, 5}, "Durch zwei senkrecht übereinander liegende Punkte gibt es keine Parabel!", "Tatsache..."});
        r({10, Abstand2, {2, 3}, "Der Abstand beträgt:\r4,50LE", e}), r({3, Abstand2, {1, 3}, "Der Abstand beträgt:\r,50LE", e});
        r({3, Gerade2, {6, 7}, "g4:y=2x+1", {}, "GE", {2, 1, 0, 0}}), r({3, Gerade2, {4, 5}, "g4:2 = x", {}, "GE", {501, 0, 2, 2}});
        r({3, Parabel2, {6, 8}, "p4:y=x²-6x+8", {}, "NP", {-6, 8, 3, -1}});  // (1|3) (2|0)
    }
    void antwort()
    {
        QFETCH(Antwort, a);
        Umgebung u;
        const QList<Fkt> fs = QList<Fkt>{G(1, 1), Par(1, 0, 0), G(-1, 3)} + QList<Fkt>(7, G(1, 2));
        u.Funktionen(fs.first(a.fkt), a.knopf < Gerade2 ? a.haken : QList<int>{});
        const QList<QPointF> orte{{0, 0}, {3, 4}, {0.3, 0.4}, {2, 1}, {2, 5}, {1, 3}, {3, 7}, {2, 0}};
        u.Punkte(8, orte, a.knopf < Gerade2 ? QList<int>{} : a.haken);
        u.Drücke(a.knopf);
        QVERIFY(u.z.AnzPkt == 8 && !Ergebnisfenster() && !u.g.EingabeExistiert());
        QCOMPARE(u.plattform.Texte(), a.art.isEmpty() ? QStringList{a.text} : QStringList());
        QCOMPARE(int(u.z.AnzFkt), a.fkt + !a.art.isEmpty());
        if (a.art.isEmpty()) {
            const MsgAufruf& m = u.plattform.meldungen[0];
            QVERIFY(m.titel == a.titel && m.symbol == (a.titel.isEmpty() ? MsgSymbol::Keins : MsgSymbol::Information));
            return;
        }
        // f4: stored, plotted, labelled, listed with its equation and ticked
        const FunktionsTabelle& t = u.g.fkt;
        const bool ge = a.art == QLatin1String("GE");
        QCOMPARE(t.FktArt[4] + (t.a[4] ? "1" : "0"), a.art + (ge ? "0" : "1"));
        QCOMPARE((ge ? QList<float>{t.m[4], t.b[4], t.xSenkrecht[4], t.xSenkrecht2[4]}
                     : QList<float>{t.p[4], t.q[4], t.xs[4], t.ys[4]}), a.werte);
        QVERIFY(u.g.FunkBeschriftung[4] && u.g.FktWahl().chkFkt(3).isChecked());
        QCOMPARE(u.g.FktWahl().chkFkt(3).text() + '|' + u.g.FunkBeschriftung[4]->text() + ':' + t.FktText[4], a.text + '|' + a.text);
    }

    // Through the real input dialog; the answer repeats the texts as typed. Within 0,05.
    void punktprobe_data()
    {
        QTest::addColumn<Probefall>("p");
        const auto r = [](Fkt f, const char* x, const char* y, int auf) {  // auf -1: cancelled
            const auto text = QString("Der Punkt (%1 | %2) liegt %3auf der Funktion f1!").arg(x, y, auf ? "" : "leider nicht ");
            QTest::addRow("%s %s", x, y) << Probefall{f, x, y, auf < 0 ? QString() : text};
        };
        r(G(2, 1), "1", "3,04", 1), r(G(2, 1), "1", "3,06", 0), r(G(0, 0), "1/2", "0,05", 1), r(G(2, 1), "1", "3", -1);  // 0,05: at the bound
        r(Par(1, 0, 0), "2", "4,04", 1), r(Par(1, 0, 0), "2", "4,06", 0), r(Par(1, 1, -4), "-1", "0", 1);
        r(Senk(2), "2,04", "100", 1), r(Senk(2), "1,96", "-7", 1), r(Senk(2), "2,06", "3", 0), r(Senk(0), "-0,05", "9", 1);
    }
    void punktprobe()
    {
        QFETCH(Probefall, p);
        Umgebung u;
        u.Funktionen({p.f}, {1});
        u.Punkte(1);
        QTimer::singleShot(0, [&] {
            frmEingabe& d = u.g.Eingabe();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QCOMPARE(d.windowTitle() + d.labEingabe1->text() + d.labEingabe2->text() + d.labEingabe3->text(), "Punkt:Koordinate x:Koordinate y:");
            QTest::keyClicks(d.txtEingabe1, p.x);  // the dialog opens with the first field selected
            QTest::keyClick(d.txtEingabe1, Qt::Key_Tab);
            QTest::keyClicks(d.txtEingabe2, p.y);
            QTest::mouseClick(p.antwort.isEmpty() ? d.cmdAbbrechen : d.cmdOK, Qt::LeftButton);
            d.hide();
        });
        u.Drücke(Probe);
        QCOMPARE(u.plattform.Texte(), p.antwort.isEmpty() ? QStringList() : QStringList{p.antwort});
        QVERIFY(u.z.AnzPkt == 1 && !Ergebnisfenster());
    }

    // The failure is reported once; then the analysis ends without a point or function.
    void ueberlauf_data()
    {
        QTest::addColumn<Ueberlauf>("u");
        const QList<QPointF> weit{{-3e38, 0}, {3e38, 0}};
        const Ueberlauf faelle[] = {{{Par(1, 1e20f, 0)}, {}, Null, "Nullstellen"}, {{Par(1, 1e20f, 0)}, {}, YAchse, "YSchnittpunkt"},
            {{Par(1, 4e19f, 0), G(1e20f, 0)}, {}, Schnitt, "Schnittpkte"}, {{Par(1, 4e19f, 0), G(500, 0)}, {}, Schnitt, "Schnittpkte 500"},
            {{G(1, 0), Par(1e-20f, 0, 0)}, {}, Schnitt, "MitternachtsFormel"}, {{G(1, 0)}, weit, Gerade2, "PktGerade"},
            {{G(1, 0)}, weit, Parabel2, "PktNormalparabel"}, {{G(1, 0)}, weit, Abstand2, "PktAbstand"}};  // G(1e20): with a vertical line
        for (const Ueberlauf& u : faelle)
            QTest::newRow(qPrintable(u.ort)) << u;
    }
    void ueberlauf()
    {
        QFETCH(Ueberlauf, u);
        Umgebung w;
        w.Funktionen(u.fs, u.orte.isEmpty() ? QList<int>{1, 2} : QList<int>{});
        w.Punkte(int(u.orte.size()), u.orte, {1, 2});
        w.Drücke(u.knopf);
        QCOMPARE(w.plattform.Texte(), QStringList{"Problem entdeckt in frmTessarolen:" + u.ort.section(' ', 0, 0) + "\r\n6 - Überlauf"});
        const int pkte = int(u.orte.size()), fkte = int(u.fs.size());
        QCOMPARE((QList<int>{w.z.AnzPkt, w.z.AnzFkt}), (QList<int>{pkte, fkte}));
        QCOMPARE(w.g.pkt.PktName[pkte + 1] + w.g.fkt.FktArt[fkte + 1], QString());
        QVERIFY((!pkte || !w.g.PktWahl().chkPkt.Existiert(pkte)) && !w.g.PunktBeschriftung[pkte + 1]);  // element 0 stays
        QVERIFY(!w.g.FktWahl().chkFkt.Existiert(fkte) && !w.g.FunkBeschriftung[fkte + 1] && !Ergebnisfenster());
    }

    // Ticked and started in the real function dialog; the result window stays from one result to the next,
    // and comes afresh after its close box.
    void fensterLebenslauf()
    {
        Umgebung u;
        u.Funktionen({G(1, 1), G(0, 3), Par(1, 0, 0), Par(1, 0, -1)}, {3});
        frmFktWahl& wahl = u.g.FktWahl();
        wahl.show();
        for (int k : {0, 2, 1})  // tick f1, untick f3, tick f2
            QTest::mouseClick(&wahl.chkFkt(k), Qt::LeftButton, {}, QPoint(6, wahl.chkFkt(k).height() / 2));
        QTest::mouseClick(&wahl.cmdAktion(3), Qt::LeftButton);
        frmPunkte* erstes = Ergebnisfenster();
        QVERIFY(!wahl.isVisible() && erstes);
        QCOMPARE(erstes->Label1->text() + u.g.PktWahl().chkPkt(0).text(), "f1 und f2 haben einen Schnittpunkt:P1(2,/3,)");
        for (const char* soll : {"4f4 hat zwei Nullstellen:|N2(1/0),N3(-1/0)", "3f3 hat eine Nullstelle:|N4(0/0)",
                                 "2f2 hat keine Nullstellen!|", "1f1 hat eine Nullstelle:|N5(-1/0)"}) {
            QVERIFY(soll[0] != '1' || (Ergebnisfenster() == erstes && erstes->close()));  // the title-bar box
            u.Funktionen({}, {soll[0] - '0'});
            u.Drücke(Null);
            frmPunkte* w = Ergebnisfenster();
            QVERIFY(w && w->isVisible());
            QCOMPARE(soll[0] + w->Label1->text() + '|' + Zeilen(*w).join(',') + w->windowTitle(), soll + QString("Nullstellen"));
        }
    }
};

TESSAROLEN_TEST_MAIN(AnalysesTest)
#include "test_analyses.moc"