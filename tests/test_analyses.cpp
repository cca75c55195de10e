// The analyses of the graph core as the selection dialogs' buttons start
// them: result window, point lists, sheet labels, messages, new functions.

#include "core/analysis_math.h"
#include "core/input_dialog.h"
#include "core/result_window.h"
#include "core/selection_dialogs.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace {

// A line m·x + b (vertical above m = 500, at x = xs) or a parabola a·(x − xs)² + ys.
struct Fkt { float m = 0, b = 0, a = 0, xs = 0, ys = 0; };
Fkt G(float m, float b) { return {m, b}; }
Fkt Senk(float x) { return {501, 0, 0, x}; }
Fkt Par(float a, float xs, float ys) { return {0, 0, a, xs, ys}; }

// The buttons of the function dialog, then those of the point dialog.
enum Knopf { Null, YAchse, Scheitel, Schnitt, Probe, Gerade2 = 10, Parabel2, Abstand2 };

struct Umgebung : Zeichenblatt {
    void Funktionen(const QList<Fkt>& fs, const QList<int>& haken)
    {
        for (const Fkt& f : fs) {
            const int16_t i = f.a ? scheitelform(f.xs, f.ys) : f.m > 500 ? senkrechte(f.xs) : gerade(f.m, f.b);
            g.fkt.a[i] = f.a;
            g.fkt.m[i] = f.m;
            g.MenüFunktionsEinträge(i);
        }
        for (int k = 1; k <= z.AnzFkt; ++k)
            g.FktWahl().chkFkt.SetzeHaken(k - 1, haken.contains(k));
    }
    // Points at the given places, else at (k | 1).
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
        if (w->objectName() == QLatin1String("frmPunkte"))
            return static_cast<frmPunkte*>(w);
    return nullptr;
}
QStringList Zeilen(frmPunkte& f)  // the visible point lines
{
    QStringList z;
    for (const QLabel* l : {f.labP1, f.labP2})
        if (l->isVisibleTo(&f))
            z << l->text();
    return z;
}

// `satz` empty: refused at the point limit.
struct Ergebnis { QList<Fkt> fs; int vorher, knopf; QString satz; QStringList zeilen = {}; };
// A message, or with `art` a new function; werte: m, b, xSenkrecht, xSenkrecht2 or p, q, xs, ys.
struct Antwort { int fkt, knopf; QList<int> haken; QString text = {}, titel = {}, art = {}; QList<float> werte = {}; };
struct Probefall { Fkt f; QString x, y, antwort; };  // antwort empty: cancelled
// A step that overflows: functions (both ticked) or two ticked points, and where it is reported.
struct Ueberlauf { QList<Fkt> fs; QList<QPointF> orte; int knopf; QString ort; };

}  // namespace

Q_DECLARE_METATYPE(Ergebnis)
Q_DECLARE_METATYPE(Antwort)
Q_DECLARE_METATYPE(Probefall)
Q_DECLARE_METATYPE(Ueberlauf)

class AnalysesTest : public QObject {
    Q_OBJECT
private slots:
    void quadratUndUeberlauf()
    {
        // (p/2)² is positive in double but below the smallest float: one root.
        const Punktergebnis e = Mitternacht(std::ldexp(1.0f, -79), 0);
        QCOMPARE((QList<float>{float(e.Anzahl), e.x[0]}), (QList<float>{1, -std::ldexp(1.0f, -80)}));
        QVERIFY_THROWS_EXCEPTION(LaufzeitFehler, Abstand(-3e38f, 0.0f, 3e38f, 0.0f));
    }

    // All functions ticked, `vorher` points stored before.
    void ergebnis_data()
    {
        QTest::addColumn<Ergebnis>("e");
        auto row = [](const char* n, Ergebnis e) { QTest::newRow(n) << e; };
        const char *eine = "f1 hat eine Nullstelle:", *zwei = "f1 hat zwei Nullstellen:";
        const char *keinP = "f1 und f2 haben keinen Schnittpunkt!", *einP = "f1 und f2 haben einen Schnittpunkt:";
        const char* zweiP = "f1 und f2 haben zwei Schnittpunkte:";
        row("2x-4", {{G(2, -4)}, 0, Null, eine, {"N1(2/0)"}});
        row("(x-1)²-4 after two points", {{Par(1, 1, -4)}, 2, Null, zwei, {"N3(3/0)", "N4(-1/0)"}});
        row("-0,5(x+2)²+2", {{Par(-0.5f, -2, 2)}, 0, Null, zwei, {"N1(0/0)", "N2(-4/0)"}});
        row("y=3", {{G(0, 3)}, 0, Null, "f1 hat keine Nullstellen!"});
        row("y=0", {{G(0, 0)}, 1, Null, "f1 hat unendlich viele Nullstellen!"});
        row("vertical x=2", {{Senk(2)}, 0, Null, eine, {"N1(2/0)"}});
        row("slope 500 is not vertical", {{G(500, -1000)}, 0, Null, eine, {"N1(2/0)"}});
        row("x² touches", {{Par(1, 0, 0)}, 0, Null, eine, {"N1(0/0)"}});
        row("half to even", {{G(8, -1)}, 0, Null, eine, {"N1(0,12/0)"}});
        row("intercept 2(x-1)²+3", {{Par(2, 1, 3)}, 0, YAchse, "f1 hat den Y-Achsenschnittpunkt:", {"T1(0/5)"}});
        row("intercept vertical", {{Senk(0)}, 0, YAchse, "f1 hat keinen Y-Achsenschnittpunkt!"});
        row("vertex 2(x-1)²+3", {{Par(2, 1, 3)}, 3, Scheitel, "f1 hat den Scheitelpunkt:", {"S4(1/3)"}});
        // Intersections: both orders of each pair, the points in the order they are stored.
        row("x+1, -x+3", {{G(1, 1), G(-1, 3)}, 0, Schnitt, einP, {"P1(1/2)"}});
        row("parallel", {{G(2, 1), G(2, -3)}, 0, Schnitt, keinP});
        row("identical", {{G(2, 1), G(2, 1)}, 0, Schnitt, keinP});
        row("y=3, x=2", {{G(0, 3), Senk(2)}, 0, Schnitt, einP, {"P1(2/3)"}});
        row("x=2, y=3", {{Senk(2), G(0, 3)}, 0, Schnitt, einP, {"P1(2/3)"}});
        row("x+1, x=2", {{G(1, 1), Senk(2)}, 0, Schnitt, einP, {"P1(2/3)"}});
        row("x=2, x+1", {{Senk(2), G(1, 1)}, 0, Schnitt, einP, {"P1(2/3)"}});
        row("x=2, x=5", {{Senk(2), Senk(5)}, 0, Schnitt, keinP});
        row("x=2, x=5 of another slope", {{Senk(2), {900, 0, 0, 5}}, 0, Schnitt, keinP});
        row("x=2, (x-1)²-4", {{Senk(2), Par(1, 1, -4)}, 0, Schnitt, einP, {"P1(2/-3)"}});
        row("(x-1)²-4, x=2", {{Par(1, 1, -4), Senk(2)}, 0, Schnitt, einP, {"P1(2/-3)"}});
        row("x, x²", {{G(1, 0), Par(1, 0, 0)}, 0, Schnitt, zweiP, {"P1(1/1)", "P2(0/0)"}});
        row("x², x", {{Par(1, 0, 0), G(1, 0)}, 0, Schnitt, zweiP, {"P1(1/1)", "P2(0/0)"}});
        row("x-1 misses x²", {{G(1, -1), Par(1, 0, 0)}, 0, Schnitt, keinP});
        row("tangent 2x-1, x²", {{G(2, -1), Par(1, 0, 0)}, 0, Schnitt, einP, {"P1(1/1)"}});
        row("2(x-1)²+3, y=5", {{Par(2, 1, 3), G(0, 5)}, 0, Schnitt, zweiP, {"P1(2/5)", "P2(0/5)"}});
        row("x², -x²+2", {{Par(1, 0, 0), Par(-1, 0, 2)}, 0, Schnitt, zweiP, {"Q1(1/1)", "Q2(-1/1)"}});
        row("x², 3x²-2", {{Par(1, 0, 0), Par(3, 0, -2)}, 0, Schnitt, zweiP, {"Q1(1/1)", "Q2(-1/1)"}});
        row("x², (x-2)²", {{Par(1, 0, 0), Par(1, 2, 0)}, 0, Schnitt, einP, {"Q1(1/1)"}});
        row("2x², 2(x-1)²+2", {{Par(2, 0, 0), Par(2, 1, 2)}, 0, Schnitt, einP, {"Q1(1/2)"}});
        row("x², x²+1", {{Par(1, 0, 0), Par(1, 0, 1)}, 0, Schnitt, keinP});
        row("x²+1, -x²", {{Par(1, 0, 1), Par(-1, 0, 0)}, 0, Schnitt, keinP});
        // The count is raised before the limit test.
        row("9 points, two zeros", {{Par(1, 1, -4)}, 9, Null, ""});
        row("9 points, one zero", {{Par(1, 0, 0)}, 9, Null, eine, {"N10(0/0)"}});
        row("10 points, one zero", {{Par(1, 0, 0)}, 10, Null, ""});
        row("10 points, no root", {{Par(1, 0, 1)}, 10, Null, "f1 hat keine Nullstellen!"});
        row("10 points, y=3", {{G(0, 3)}, 10, Null, ""});
        row("10 points, intercept", {{Senk(1)}, 10, YAchse, ""});
        row("9 points, vertex", {{Par(1, 0, 0)}, 9, Scheitel, "f1 hat den Scheitelpunkt:", {"S10(0/0)"}});
        row("10 points, vertex", {{Par(1, 0, 0)}, 10, Scheitel, ""});
        row("10 points, two lines", {{G(1, 1), G(-1, 3)}, 10, Schnitt, ""});
        row("10 points, parallel", {{G(1, 1), G(1, 3)}, 10, Schnitt, keinP});
        row("9 points, x, x²", {{G(1, 0), Par(1, 0, 0)}, 9, Schnitt, ""});
    }
    void ergebnis()
    {
        QFETCH(Ergebnis, e);
        Umgebung u;
        u.Funktionen(e.fs, {1, 2});
        u.Punkte(e.vorher);
        u.Drücke(e.knopf);
        const int nachher = e.vorher + int(e.zeilen.size());
        QCOMPARE(int(u.z.AnzPkt), nachher);
        for (int n = std::max(nachher, 1) + 1; n <= MaxPkt; ++n) {  // element 0 always exists
            QCOMPARE(u.g.pkt.PktName[n], QString());
            QVERIFY(!u.g.PktWahl().chkPkt.Existiert(n - 1));
        }
        frmPunkte* f = Ergebnisfenster();
        if (e.satz.isEmpty()) {
            QCOMPARE(u.plattform.Texte(), QStringList{"Es können nur 10 Punkte\rgezeichnet werden!"});
            QCOMPARE(u.plattform.meldungen[0].symbol, MsgSymbol::Keins);
            QVERIFY(!f);
            return;
        }
        QCOMPARE(u.plattform.Texte(), QStringList());
        QVERIFY(f && f->isVisible() && !f->isModal());
        const char* titel[] = {"Nullstellen", "Y-Achsenschnittpunkt", "Scheitelpunkt", "Schnittpunkte"};
        QCOMPARE(f->windowTitle(), QString(titel[e.knopf]));
        QCOMPARE(f->Label1->text(), e.satz);
        QCOMPARE(Zeilen(*f), e.zeilen);
        for (int k = 0; k < e.zeilen.size(); ++k) {  // stored, listed and drawn with its name
            const int n = e.vorher + 1 + k;
            QCOMPARE(u.g.pkt.PktName[n], e.zeilen[k].left(1));
            QVERIFY(u.g.PktWahl().chkPkt(n - 1).text().startsWith(e.zeilen[k].section('(', 0, 0) + "("));
            QCOMPARE(u.g.PunktBeschriftung[n] ? u.g.PunktBeschriftung[n]->text() : "", e.zeilen[k]);
        }
    }

    // Answers without the result window, with 3 or 10 functions and 8 points.
    void antwort_data()
    {
        QTest::addColumn<Antwort>("a");
        auto row = [](const char* n, Antwort a) { QTest::newRow(n) << a; };
        const QString keine = "Es ist keine Funktion ausgewählt!!", mehr = "Es ist mehr als eine Funktion ausgewählt!!";
        const QString zwei = "Es müssen 2 Tessarolen ausgewählt sein!!", h = "Hinweis...", e = "Ergebnis...";
        row("zeros, none", {10, Null, {}, keine});
        row("zeros, two", {10, Null, {1, 3}, mehr});
        row("intercept, two", {10, YAchse, {2, 3}, mehr});
        row("vertex, none", {10, Scheitel, {}, keine});
        row("vertex of a line", {10, Scheitel, {1}, "Eine Gerade hat keinen Scheitelpunkt!"});
        row("point test, two", {10, Probe, {1, 2}, mehr});
        row("intersections, one", {10, Schnitt, {2}, zwei});
        row("intersections, none", {10, Schnitt, {}, zwei});
        row("intersections, three", {10, Schnitt, {1, 2, 3}, "Es sind mehr als 2 Tessarolen ausgewählt!!"});
        for (int k : {Gerade2, Parabel2, Abstand2}) {
            QTest::addRow("one point %d", k) << Antwort{10, k, {2}, "Es müssen 2 Punkte ausgewählt werden!!", h};
            QTest::addRow("three points %d", k) << Antwort{10, k, {1, 2, 3}, "Es sind mehr als 2 Punkte ausgewählt!!", h};
        }
        const QString grenze = "Es können nur 10 Tessarolen\rdargestellt werden!";
        row("line, 10 functions", {10, Gerade2, {6, 7}, grenze});
        row("parabola, 10 functions", {10, Parabel2, {1, 8}, grenze});
        row("parabola above each other", {3, Parabel2, {4, 5},
                                          "Durch zwei senkrecht übereinander liegende Punkte gibt es keine Parabel!",
                                          "Tatsache..."});
        row("distance 5, 10 functions", {10, Abstand2, {1, 2}, "Der Abstand beträgt:\r5,00LE", e});
        row("distance 0,5", {3, Abstand2, {1, 3}, "Der Abstand beträgt:\r,50LE", e});
        row("line (1/3) (3/7)", {3, Gerade2, {6, 7}, {}, {}, "GE", {2, 1, 0, 0}});
        row("vertical (2/1) (2/5)", {3, Gerade2, {4, 5}, {}, {}, "GE", {501, 0, 2, 2}});
        row("parabola (0/0) (2/0)", {3, Parabel2, {1, 8}, {}, {}, "NP", {-2, 0, 1, -1}});
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
        QCOMPARE(int(u.z.AnzPkt), 8);
        QVERIFY(!Ergebnisfenster());
        QVERIFY(!u.g.EingabeExistiert());
        if (a.art.isEmpty()) {
            QCOMPARE(u.plattform.Texte(), QStringList{a.text});
            QCOMPARE(u.plattform.meldungen[0].titel, a.titel);
            QCOMPARE(u.plattform.meldungen[0].symbol, a.titel.isEmpty() ? MsgSymbol::Keins : MsgSymbol::Information);
            QCOMPARE(int(u.z.AnzFkt), a.fkt);
            return;
        }
        // f4: stored, plotted, labelled, listed with its equation and ticked
        QCOMPARE(u.plattform.Texte(), QStringList());
        QCOMPARE(int(u.z.AnzFkt), 4);
        const FunktionsTabelle& t = u.g.fkt;
        const bool ge = a.art == QLatin1String("GE");
        QCOMPARE(t.FktArt[4], a.art);
        QCOMPARE(t.a[4], ge ? 0.0f : 1.0f);
        const QList<float> werte = ge ? QList<float>{t.m[4], t.b[4], t.xSenkrecht[4], t.xSenkrecht2[4]}
                                      : QList<float>{t.p[4], t.q[4], t.xs[4], t.ys[4]};
        QCOMPARE(werte, a.werte);
        QVERIFY(!t.FktText[4].isEmpty() && u.g.FunkBeschriftung[4]);
        QCOMPARE(u.g.FktWahl().chkFkt(3).text(), (ge ? "g4:" : "p4:") + t.FktText[4]);
        QVERIFY(u.g.FktWahl().chkFkt(3).isChecked());
    }

    // Through the real input dialog; the answer repeats the texts as typed. Within 0,05.
    void punktprobe_data()
    {
        QTest::addColumn<Probefall>("p");
        const QString auf = "Der Punkt (%1 | %2) liegt auf der Funktion f1!";
        const QString neben = "Der Punkt (%1 | %2) liegt leider nicht auf der Funktion f1!";
        QTest::newRow("3,04") << Probefall{G(2, 1), "1", "3,04", auf.arg("1", "3,04")};
        QTest::newRow("3,06") << Probefall{G(2, 1), "1", "3,06", neben.arg("1", "3,06")};
        QTest::newRow("1/2") << Probefall{G(2, 1), "1/2", "2", auf.arg("1/2", "2")};
        QTest::newRow("x², 4,04") << Probefall{Par(1, 0, 0), "2", "4,04", auf.arg("2", "4,04")};
        QTest::newRow("x², 4,06") << Probefall{Par(1, 0, 0), "2", "4,06", neben.arg("2", "4,06")};
        QTest::newRow("(x-1)²-4") << Probefall{Par(1, 1, -4), "-1", "0", auf.arg("-1", "0")};
        QTest::newRow("x=2, 2,04") << Probefall{Senk(2), "2,04", "100", auf.arg("2,04", "100")};
        QTest::newRow("x=2, 1,96") << Probefall{Senk(2), "1,96", "-7", auf.arg("1,96", "-7")};
        QTest::newRow("x=2, 2,06") << Probefall{Senk(2), "2,06", "3", neben.arg("2,06", "3")};
        QTest::newRow("cancelled") << Probefall{G(2, 1), "1", "3", {}};
    }
    void punktprobe()
    {
        QFETCH(Probefall, p);
        Umgebung u;
        u.Funktionen({p.f}, {1});
        u.Punkte(1);
        QString felder;
        QTimer::singleShot(0, [&] {
            frmEingabe& d = u.g.Eingabe();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            felder = d.windowTitle() + d.labEingabe1->text() + d.labEingabe2->text() + d.labEingabe3->text();
            d.txtEingabe1->selectAll();
            QTest::keyClicks(d.txtEingabe1, p.x);
            QTest::keyClick(d.txtEingabe1, Qt::Key_Tab);
            d.txtEingabe2->selectAll();
            QTest::keyClicks(d.txtEingabe2, p.y);
            QTest::mouseClick(p.antwort.isEmpty() ? d.cmdAbbrechen : d.cmdOK, Qt::LeftButton);
            d.hide();
        });
        u.Drücke(Probe);
        QCOMPARE(felder, QStringLiteral("Punkt:Koordinate x:Koordinate y:"));
        QCOMPARE(u.plattform.Texte(), p.antwort.isEmpty() ? QStringList() : QStringList{p.antwort});
        QCOMPARE(int(u.z.AnzPkt), 1);
        QVERIFY(!Ergebnisfenster());
    }

    // The failure is reported once; then the analysis ends without a point or function.
    void ueberlauf_data()
    {
        QTest::addColumn<Ueberlauf>("u");
        const QList<QPointF> weit{{-3e38, 0}, {3e38, 0}};
        auto row = [](const char* n, Ueberlauf u) { QTest::newRow(n) << u; };
        row("zeros of (x-1e20)²", {{Par(1, 1e20f, 0)}, {}, Null, "Nullstellen"});
        row("intercept of (x-1e20)²", {{Par(1, 1e20f, 0)}, {}, YAchse, "YSchnittpunkt"});
        row("(x-4e19)², vertical 1e20x", {{Par(1, 4e19f, 0), G(1e20f, 0)}, {}, Schnitt, "Schnittpkte"});
        row("(x-4e19)², 500x", {{Par(1, 4e19f, 0), G(500, 0)}, {}, Schnitt, "Schnittpkte"});
        row("discriminant of x, 1e-20x²", {{G(1, 0), Par(1e-20f, 0, 0)}, {}, Schnitt, "MitternachtsFormel"});
        row("line through ±3e38", {{G(1, 0)}, weit, Gerade2, "PktGerade"});
        row("parabola through ±3e38", {{G(1, 0)}, weit, Parabel2, "PktNormalparabel"});
    }
    void ueberlauf()
    {
        QFETCH(Ueberlauf, u);
        Umgebung w;
        w.Funktionen(u.fs, u.orte.isEmpty() ? QList<int>{1, 2} : QList<int>{});
        w.Punkte(int(u.orte.size()), u.orte, {1, 2});
        w.Drücke(u.knopf);
        const QString box = "Problem entdeckt in frmTessarolen:" + u.ort + "\r\n6 - Überlauf";
        QCOMPARE(w.plattform.Texte(), QStringList{box});
        QCOMPARE(w.plattform.meldungen[0].symbol, MsgSymbol::Kritisch);
        const int pkte = int(u.orte.size()), fkte = int(u.fs.size());
        QCOMPARE(int(w.z.AnzPkt), pkte);
        QCOMPARE(int(w.z.AnzFkt), fkte);
        QCOMPARE(w.g.pkt.PktName[pkte + 1], QString());
        // element 0 of the point list always exists
        QVERIFY((!pkte || !w.g.PktWahl().chkPkt.Existiert(pkte)) && !w.g.PunktBeschriftung[pkte + 1]);
        QCOMPARE(w.g.fkt.FktArt[fkte + 1], QString());
        QVERIFY(!w.g.FktWahl().chkFkt.Existiert(fkte) && !w.g.FunkBeschriftung[fkte + 1]);
        QVERIFY(!Ergebnisfenster());
    }

    // Ticked and started in the real function dialog.
    void fktWahl()
    {
        Umgebung u;
        u.Funktionen({G(1, 1), G(-1, 3), Par(1, 0, 0)}, {3});
        frmFktWahl& wahl = u.g.FktWahl();
        wahl.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wahl));
        for (int k : {0, 2, 1})  // tick f1, untick f3, tick f2
            QTest::mouseClick(&wahl.chkFkt(k), Qt::LeftButton, {}, QPoint(6, wahl.chkFkt(k).height() / 2));
        QTest::mouseClick(&wahl.cmdAktion(3), Qt::LeftButton);
        QVERIFY(!wahl.isVisible() && Ergebnisfenster());
        QCOMPARE(Ergebnisfenster()->Label1->text(), QStringLiteral("f1 und f2 haben einen Schnittpunkt:"));
        QCOMPARE(u.g.PktWahl().chkPkt(0).text(), QStringLiteral("P1(1,/2,)"));
    }

    // The window stays from one result to the next, and comes afresh after its close box.
    void fensterLebenslauf()
    {
        Umgebung u;
        u.Funktionen({G(1, 0), Par(1, 0, 0), Par(1, 0, 1)}, {1, 2});
        u.Drücke(Schnitt);
        frmPunkte* erstes = Ergebnisfenster();
        const auto zeige = [&](int f, const char* satz, QStringList zeilen) {
            u.Funktionen({}, {f});
            u.Drücke(Null);
            frmPunkte* w = Ergebnisfenster();
            QVERIFY(w && w->isVisible());
            QCOMPARE(w->windowTitle() + w->Label1->text(), QStringLiteral("Nullstellen") + satz);
            QCOMPARE(Zeilen(*w), zeilen);
        };
        zeige(3, "f3 hat keine Nullstellen!", {});
        zeige(2, "f2 hat eine Nullstelle:", {"N3(0/0)"});
        QCOMPARE(Ergebnisfenster(), erstes);
        erstes->close();  // the title-bar box
        QVERIFY(!erstes->isVisible());
        zeige(1, "f1 hat eine Nullstelle:", {"N4(0/0)"});
    }
};

TESSAROLEN_TEST_MAIN(AnalysesTest)
#include "test_analyses.moc"