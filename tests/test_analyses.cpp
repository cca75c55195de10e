// The analyses of the graph core with their result window, the point lists
// and the sheet; the selection and input dialogs driven for real.

#include "core/analysis_math.h"
#include "core/graph_core.h"
#include "core/input_dialog.h"
#include "core/program_state.h"
#include "core/result_window.h"
#include "core/selection_dialogs.h"
#include "core/sheet_widget.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

// A function as entered: kind and coefficients.
struct Fkt {
    QString art;
    float m = 0, b = 0, a = 0, xs = 0, ys = 0, xSenkrecht = 0;
};
Fkt G(float m, float b) { return {QStringLiteral("GE"), m, b}; }
Fkt Senk(float x) { return {QStringLiteral("GE"), 501, 0, 0, 0, 0, x}; }
Fkt Par(float a, float xs, float ys) { return {QStringLiteral("SP"), 0, 0, a, xs, ys}; }

enum Op { Null, YAchse, Scheitelpunkt, Schnitt, Probe, Gerade2, Parabel2, Abstand2 };

struct Umgebung {
    QTemporaryDir ordner;
    SkriptPlattform plattform;
    Programmzustand z;
    SheetWidget blatt;
    std::unique_ptr<GraphCore> kern;

    Umgebung()
    {
        z.Programmpfad = ordner.path() + QLatin1Char('/');
        z.plattform = &plattform;
        kern = std::make_unique<GraphCore>(z, blatt);
        kern->DefFarben();
    }

    void Funktion(const Fkt& f)
    {
        const auto i = ++z.AnzFkt;
        FunktionsTabelle& t = kern->fkt;
        t.FktArt[i] = f.art;
        t.m[i] = f.m;
        t.b[i] = f.b;
        t.a[i] = f.a;
        t.xs[i] = f.xs;
        t.ys[i] = f.ys;
        t.xSenkrecht[i] = t.xSenkrecht2[i] = f.xSenkrecht;
        kern->MenüFunktionsEinträge(i);
    }

    // User points P1 ... Pn at (k | 1), or at the given places.
    void Punkte(int n, const QList<QPointF>& orte = {})
    {
        for (int k = 1; k <= n; ++k) {
            kern->pkt.PktName[k] = QStringLiteral("P");
            kern->pkt.PktX[k] = k <= orte.size() ? float(orte[k - 1].x()) : float(k);
            kern->pkt.PktY[k] = k <= orte.size() ? float(orte[k - 1].y()) : 1.0f;
        }
        z.AnzPkt = int16_t(n);
        kern->MenüPunkteEintragen();
    }

    // Exactly the given functions or points ticked in their selection list.
    void HakenFkt(const QList<int>& nummern)
    {
        for (int k = 1; k <= z.AnzFkt; ++k)
            kern->FktWahl().chkFkt.SetzeHaken(k - 1, nummern.contains(k));
    }
    void HakenPkt(const QList<int>& nummern)
    {
        for (int k = 1; k <= z.AnzPkt; ++k)
            kern->PktWahl().chkPkt.SetzeHaken(k - 1, nummern.contains(k));
    }

    void Ausfuehren(Op op)
    {
        switch (op) {
        case Null: kern->Nullstellen(); break;
        case YAchse: kern->YSchnittpunkt(); break;
        case Scheitelpunkt: kern->Scheitel(); break;
        case Schnitt: kern->Schnittpkte(); break;
        case Probe: kern->PunktProbe(); break;
        case Gerade2: kern->PktGerade(); break;
        case Parabel2: kern->PktNormalparabel(); break;
        case Abstand2: kern->PktAbstand(); break;
        }
    }
};

// The result window if it exists, without creating it.
frmPunkte* Ergebnisfenster()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmPunkte"))
            return static_cast<frmPunkte*>(w);
    return nullptr;
}

// Clicks a check box on its box, at its left edge.
void Anklicken(QCheckBox& c) { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(6, c.height() / 2)); }

// The texts of the visible point lines.
QStringList Zeilen(const frmPunkte& f)
{
    QStringList z;
    for (const QLabel* l : {f.labP1, f.labP2})
        if (l->isVisibleTo(const_cast<frmPunkte*>(&f)))
            z << l->text();
    return z;
}

}  // namespace

Q_DECLARE_METATYPE(Fkt)
Q_DECLARE_METATYPE(Op)

class AnalysesTest : public QObject {
    Q_OBJECT
private slots:
    // Results of one analysis: sentence, caption, point lines, the new
    // points in the table and in the point lists.
    void ergebnis_data()
    {
        QTest::addColumn<QList<Fkt>>("funktionen");
        QTest::addColumn<int>("vorher");
        QTest::addColumn<Op>("op");
        QTest::addColumn<QString>("satz");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("eintraege");

        QTest::newRow("zero of 2x-4") << QList<Fkt>{G(2, -4)} << 0 << Null
                                      << "f1 hat eine Nullstelle:" << "Nullstellen"
                                      << QStringList{"N1(2/0)"} << QStringList{"N1(2,/0,)"};
        QTest::newRow("zeros of (x-1)²-4 after two points")
            << QList<Fkt>{Par(1, 1, -4)} << 2 << Null << "f1 hat zwei Nullstellen:" << "Nullstellen"
            << QStringList{"N3(3/0)", "N4(-1/0)"} << QStringList{"N3(3,/0,)", "N4(-1,/0,)"};
        QTest::newRow("y=3 has no zero") << QList<Fkt>{G(0, 3)} << 0 << Null
                                         << "f1 hat keine Nullstellen!" << "Nullstellen"
                                         << QStringList{} << QStringList{};
        QTest::newRow("y=0") << QList<Fkt>{G(0, 0)} << 1 << Null
                             << "f1 hat unendlich viele Nullstellen!" << "Nullstellen"
                             << QStringList{} << QStringList{};
        QTest::newRow("zero of a vertical line") << QList<Fkt>{Senk(2)} << 0 << Null
                                                 << "f1 hat eine Nullstelle:" << "Nullstellen"
                                                 << QStringList{"N1(2/0)"} << QStringList{"N1(2,/0,)"};
        QTest::newRow("x² touches") << QList<Fkt>{Par(1, 0, 0)} << 0 << Null
                                    << "f1 hat eine Nullstelle:" << "Nullstellen"
                                    << QStringList{"N1(0/0)"} << QStringList{"N1(0,/0,)"};
        QTest::newRow("intercept of 2(x-1)²+3")
            << QList<Fkt>{Par(2, 1, 3)} << 0 << YAchse << "f1 hat den Y-Achsenschnittpunkt:"
            << "Y-Achsenschnittpunkt" << QStringList{"T1(0/5)"} << QStringList{"T1(0,/5,)"};
        QTest::newRow("no intercept of a vertical line")
            << QList<Fkt>{Senk(0)} << 0 << YAchse << "f1 hat keinen Y-Achsenschnittpunkt!"
            << "Y-Achsenschnittpunkt" << QStringList{} << QStringList{};
        QTest::newRow("vertex of 2(x-1)²+3")
            << QList<Fkt>{Par(2, 1, 3)} << 3 << Scheitelpunkt << "f1 hat den Scheitelpunkt:"
            << "Scheitelpunkt" << QStringList{"S4(1/3)"} << QStringList{"S4(1,/3,)"};
        QTest::newRow("x+1 and -x+3") << QList<Fkt>{G(1, 1), G(-1, 3)} << 0 << Schnitt
                                      << "f1 und f2 haben einen Schnittpunkt:" << "Schnittpunkte"
                                      << QStringList{"P1(1/2)"} << QStringList{"P1(1,/2,)"};
        QTest::newRow("parallel lines") << QList<Fkt>{G(2, 1), G(2, -3)} << 0 << Schnitt
                                        << "f1 und f2 haben keinen Schnittpunkt!" << "Schnittpunkte"
                                        << QStringList{} << QStringList{};
        QTest::newRow("vertical line and y=3") << QList<Fkt>{Senk(2), G(0, 3)} << 0 << Schnitt
                                               << "f1 und f2 haben einen Schnittpunkt:"
                                               << "Schnittpunkte" << QStringList{"P1(2/3)"}
                                               << QStringList{"P1(2,/3,)"};
        QTest::newRow("vertical line and (x-1)²-4")
            << QList<Fkt>{Senk(2), Par(1, 1, -4)} << 0 << Schnitt
            << "f1 und f2 haben einen Schnittpunkt:" << "Schnittpunkte"
            << QStringList{"P1(2/-3)"} << QStringList{"P1(2,/-3,)"};
        QTest::newRow("x and x²") << QList<Fkt>{G(1, 0), Par(1, 0, 0)} << 0 << Schnitt
                                  << "f1 und f2 haben zwei Schnittpunkte:" << "Schnittpunkte"
                                  << QStringList{"P1(1/1)", "P2(0/0)"}
                                  << QStringList{"P1(1,/1,)", "P2(0,/0,)"};
        QTest::newRow("x² and -x²+2") << QList<Fkt>{Par(1, 0, 0), Par(-1, 0, 2)} << 0 << Schnitt
                                      << "f1 und f2 haben zwei Schnittpunkte:" << "Schnittpunkte"
                                      << QStringList{"Q1(1/1)", "Q2(-1/1)"}
                                      << QStringList{"Q1(1,/1,)", "Q2(-1,/1,)"};
        QTest::newRow("x² and x²+1") << QList<Fkt>{Par(1, 0, 0), Par(1, 0, 1)} << 0 << Schnitt
                                     << "f1 und f2 haben keinen Schnittpunkt!" << "Schnittpunkte"
                                     << QStringList{} << QStringList{};
        QTest::newRow("root shown half to even")
            << QList<Fkt>{G(8, -1)} << 0 << Null << "f1 hat eine Nullstelle:" << "Nullstellen"
            << QStringList{"N1(0,12/0)"} << QStringList{"N1(0,13/0,)"};
    }
    void ergebnis()
    {
        QFETCH(QList<Fkt>, funktionen);
        QFETCH(int, vorher);
        QFETCH(Op, op);
        QFETCH(QString, satz);
        QFETCH(QString, titel);
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, eintraege);

        Umgebung u;
        for (const Fkt& f : funktionen)
            u.Funktion(f);
        u.Punkte(vorher);
        QList<int> alle;
        for (int i = 1; i <= funktionen.size(); ++i)
            alle << i;
        u.HakenFkt(alle);

        u.Ausfuehren(op);

        QCOMPARE(u.plattform.Texte(), QStringList());
        frmPunkte* f = Ergebnisfenster();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QVERIFY(!f->isModal());
        QCOMPARE(f->Label1->text(), satz);
        QCOMPARE(f->windowTitle(), titel);
        QCOMPARE(Zeilen(*f), zeilen);
        QCOMPARE(int(u.z.AnzPkt), vorher + int(eintraege.size()));
        for (int k = 0; k < eintraege.size(); ++k) {
            const int n = vorher + 1 + k;
            QCOMPARE(u.kern->PktWahl().chkPkt(n - 1).text(), eintraege[k]);
            QCOMPARE(u.kern->pkt.PktName[n], eintraege[k].left(1));
            // drawn with its label on the sheet
            QVERIFY(u.kern->PunktBeschriftung[n]);
            QVERIFY(u.kern->PunktBeschriftung[n]->text().startsWith(zeilen[k].left(2)));
        }
    }

    // The point limit: the count is raised before the test, and a refused
    // result leaves table, lists and window untouched.
    void grenze_data()
    {
        QTest::addColumn<QList<Fkt>>("funktionen");
        QTest::addColumn<int>("vorher");
        QTest::addColumn<Op>("op");
        QTest::addColumn<bool>("grenze");
        QTest::addColumn<QString>("satz");  // the sentence shown, if any
        QTest::addColumn<int>("nachher");
        QTest::newRow("9 points, two zeros") << QList<Fkt>{Par(1, 1, -4)} << 9 << Null << true
                                             << QString() << 9;
        QTest::newRow("9 points, one zero") << QList<Fkt>{Par(1, 0, 0)} << 9 << Null << false
                                            << "f1 hat eine Nullstelle:" << 10;
        QTest::newRow("10 points, one zero") << QList<Fkt>{Par(1, 0, 0)} << 10 << Null << true
                                             << QString() << 10;
        QTest::newRow("10 points, no root") << QList<Fkt>{Par(1, 0, 1)} << 10 << Null << false
                                            << "f1 hat keine Nullstellen!" << 10;
        QTest::newRow("10 points, y=3") << QList<Fkt>{G(0, 3)} << 10 << Null << true << QString()
                                        << 10;
        QTest::newRow("10 points, intercept of a vertical line")
            << QList<Fkt>{Senk(1)} << 10 << YAchse << true << QString() << 10;
        QTest::newRow("10 points, vertex") << QList<Fkt>{Par(1, 0, 0)} << 10 << Scheitelpunkt
                                           << true << QString() << 10;
        QTest::newRow("10 points, two lines") << QList<Fkt>{G(1, 1), G(-1, 3)} << 10 << Schnitt
                                              << true << QString() << 10;
        QTest::newRow("10 points, vertical line and parabola")
            << QList<Fkt>{Senk(2), Par(1, 0, 0)} << 10 << Schnitt << true << QString() << 10;
        QTest::newRow("10 points, parallel lines")
            << QList<Fkt>{G(1, 1), G(1, 3)} << 10 << Schnitt << false
            << "f1 und f2 haben keinen Schnittpunkt!" << 10;
        QTest::newRow("9 points, x and x²") << QList<Fkt>{G(1, 0), Par(1, 0, 0)} << 9 << Schnitt
                                            << true << QString() << 9;
        QTest::newRow("10 points, x² and (x-2)²")
            << QList<Fkt>{Par(1, 0, 0), Par(1, 2, 0)} << 10 << Schnitt << true << QString() << 10;
        QTest::newRow("10 points, x² and x²+1")
            << QList<Fkt>{Par(1, 0, 0), Par(1, 0, 1)} << 10 << Schnitt << false
            << "f1 und f2 haben keinen Schnittpunkt!" << 10;
    }
    void grenze()
    {
        QFETCH(QList<Fkt>, funktionen);
        QFETCH(int, vorher);
        QFETCH(Op, op);
        QFETCH(bool, grenze);
        QFETCH(QString, satz);
        QFETCH(int, nachher);

        Umgebung u;
        for (const Fkt& f : funktionen)
            u.Funktion(f);
        u.Punkte(vorher);
        QList<int> alle;
        for (int i = 1; i <= funktionen.size(); ++i)
            alle << i;
        u.HakenFkt(alle);

        u.Ausfuehren(op);

        QCOMPARE(int(u.z.AnzPkt), nachher);
        if (grenze) {
            QCOMPARE(u.plattform.Texte(),
                     QStringList{QStringLiteral("Es können nur 10 Punkte\rgezeichnet werden!")});
            const MsgAufruf& m = u.plattform.meldungen.front();
            QCOMPARE(m.symbol, MsgSymbol::Keins);
            QCOMPARE(m.knoepfe, MsgKnoepfe::OK);
            QCOMPARE(m.titel, QString());
            QVERIFY(!Ergebnisfenster());
        } else {
            QCOMPARE(u.plattform.Texte(), QStringList());
            QVERIFY(Ergebnisfenster());
            QCOMPARE(Ergebnisfenster()->Label1->text(), satz);
        }
        // No name, list entry or label for a slot beyond the count.
        for (int n = nachher + 1; n <= MaxPkt; ++n) {
            QCOMPARE(u.kern->pkt.PktName[n], QString());
            QVERIFY(!u.kern->PktWahl().chkPkt.Existiert(n - 1));
        }
    }

    // Wrong ticks: the message and nothing else.
    void auswahl_data()
    {
        QTest::addColumn<Op>("op");
        QTest::addColumn<QList<int>>("haken");
        QTest::addColumn<QString>("text");
        const QString keine = QStringLiteral("Es ist keine Funktion ausgewählt!!");
        const QString mehr = QStringLiteral("Es ist mehr als eine Funktion ausgewählt!!");
        QTest::newRow("zeros, none") << Null << QList<int>{} << keine;
        QTest::newRow("zeros, two") << Null << QList<int>{1, 3} << mehr;
        QTest::newRow("intercept, two") << YAchse << QList<int>{2, 3} << mehr;
        QTest::newRow("vertex, none") << Scheitelpunkt << QList<int>{} << keine;
        QTest::newRow("vertex, two") << Scheitelpunkt << QList<int>{1, 2} << mehr;
        QTest::newRow("vertex of a line") << Scheitelpunkt << QList<int>{1}
                                          << "Eine Gerade hat keinen Scheitelpunkt!";
        QTest::newRow("point test, two") << Probe << QList<int>{1, 2} << mehr;
        QTest::newRow("intersections, one") << Schnitt << QList<int>{2}
                                            << "Es müssen 2 Tessarolen ausgewählt sein!!";
        QTest::newRow("intersections, none") << Schnitt << QList<int>{}
                                             << "Es müssen 2 Tessarolen ausgewählt sein!!";
        QTest::newRow("intersections, three") << Schnitt << QList<int>{1, 2, 3}
                                              << "Es sind mehr als 2 Tessarolen ausgewählt!!";
    }
    void auswahl()
    {
        QFETCH(Op, op);
        QFETCH(QList<int>, haken);
        QFETCH(QString, text);
        Umgebung u;
        u.Funktion(G(1, 1));
        u.Funktion(Par(1, 0, 0));
        u.Funktion(G(-1, 3));
        u.Punkte(2);
        u.HakenFkt(haken);
        u.Ausfuehren(op);
        QCOMPARE(u.plattform.Texte(), QStringList{text});
        QCOMPARE(u.plattform.meldungen[0].symbol, MsgSymbol::Keins);
        QCOMPARE(u.plattform.meldungen[0].titel, QString());
        QCOMPARE(int(u.z.AnzPkt), 2);
        QVERIFY(!Ergebnisfenster());
        QVERIFY(!u.kern->EingabeExistiert());
    }

    // The window stays from one result to the next, and comes back afresh
    // after its close box.
    void fensterLebenslauf()
    {
        Umgebung u;
        u.Funktion(G(1, 0));
        u.Funktion(Par(1, 0, 0));
        u.HakenFkt({1, 2});
        u.Ausfuehren(Schnitt);
        frmPunkte* erstes = Ergebnisfenster();
        QVERIFY(erstes);
        QCOMPARE(Zeilen(*erstes), (QStringList{"P1(1/1)", "P2(0/0)"}));

        u.Funktion(Par(1, 0, 1));  // x²+1: no zero
        u.HakenFkt({3});
        u.Ausfuehren(Null);
        QCOMPARE(Ergebnisfenster(), erstes);
        QCOMPARE(erstes->windowTitle(), QStringLiteral("Nullstellen"));
        QCOMPARE(erstes->Label1->text(), QStringLiteral("f3 hat keine Nullstellen!"));
        QCOMPARE(Zeilen(*erstes), QStringList());

        u.HakenFkt({1});
        u.Ausfuehren(YAchse);
        QCOMPARE(Zeilen(*erstes), QStringList{"T3(0/0)"});
        QVERIFY(erstes->isVisible());

        erstes->close();  // the title-bar box
        QVERIFY(!erstes->isVisible());
        u.Ausfuehren(Null);
        frmPunkte* zweites = Ergebnisfenster();
        QVERIFY(zweites);
        QVERIFY(zweites->isVisible());
        QCOMPARE(zweites->Label1->text(), QStringLiteral("f1 hat eine Nullstelle:"));
        QCOMPARE(Zeilen(*zweites), QStringList{"N4(0/0)"});
        QCOMPARE(int(u.z.AnzPkt), 4);
    }

    // Functions and distance from two ticked points.
    void zweiPunkte_data()
    {
        QTest::addColumn<QList<QPointF>>("punkte");
        QTest::addColumn<QList<int>>("haken");
        QTest::addColumn<int>("funktionenVorher");
        QTest::addColumn<Op>("op");
        QTest::addColumn<QString>("meldung");  // empty: a new function
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QList<float>>("werte");  // m, b, xSenkrecht, xSenkrecht2 or p, q, xs, ys

        const QList<QPointF> p13_37{{1, 3}, {3, 7}}, p21_25{{2, 1}, {2, 5}};
        QTest::newRow("line (1/3) (3/7)") << p13_37 << QList<int>{1, 2} << 0 << Gerade2 << QString()
                                          << QString() << "GE" << QList<float>{2, 1, 0, 0};
        QTest::newRow("vertical line (2/1) (2/5)")
            << p21_25 << QList<int>{1, 2} << 0 << Gerade2 << QString() << QString() << "GE"
            << QList<float>{501, 0, 2, 2};
        QTest::newRow("parabola (1/1) (-1/1)")
            << QList<QPointF>{{1, 1}, {-1, 1}} << QList<int>{1, 2} << 0 << Parabel2 << QString()
            << QString() << "NP" << QList<float>{0, 0, 0, 0};
        QTest::newRow("parabola (0/0) (2/0) after three functions")
            << QList<QPointF>{{5, 5}, {0, 0}, {2, 0}} << QList<int>{2, 3} << 3 << Parabel2
            << QString() << QString() << "NP" << QList<float>{-2, 0, 1, -1};
        QTest::newRow("parabola above each other")
            << p21_25 << QList<int>{1, 2} << 0 << Parabel2
            << "Durch zwei senkrecht übereinander liegende Punkte gibt es keine Parabel!"
            << "Tatsache..." << QString() << QList<float>{};
        QTest::newRow("distance 5") << QList<QPointF>{{0, 0}, {3, 4}} << QList<int>{1, 2} << 0
                                    << Abstand2 << "Der Abstand beträgt:\r5,00LE" << "Ergebnis..."
                                    << QString() << QList<float>{};
        QTest::newRow("distance below 1") << QList<QPointF>{{0, 0}, {0.3, 0.4}} << QList<int>{1, 2}
                                          << 0 << Abstand2 << "Der Abstand beträgt:\r,50LE"
                                          << "Ergebnis..." << QString() << QList<float>{};
        QTest::newRow("distance with 10 functions")
            << QList<QPointF>{{0, 0}, {3, 4}} << QList<int>{1, 2} << 10 << Abstand2
            << "Der Abstand beträgt:\r5,00LE" << "Ergebnis..." << QString() << QList<float>{};
        for (Op op : {Gerade2, Parabel2, Abstand2}) {
            const QByteArray n = QByteArray::number(int(op));
            QTest::newRow(("one point " + n).constData()) << p13_37 << QList<int>{2} << 0 << op
                                            << "Es müssen 2 Punkte ausgewählt werden!!"
                                            << "Hinweis..." << QString() << QList<float>{};
            QTest::newRow(("three points " + n).constData())
                << QList<QPointF>{{1, 3}, {3, 7}, {4, 4}} << QList<int>{1, 2, 3} << 10 << op
                << "Es sind mehr als 2 Punkte ausgewählt!!" << "Hinweis..." << QString()
                << QList<float>{};
        }
        QTest::newRow("line with 10 functions")
            << p13_37 << QList<int>{1, 2} << 10 << Gerade2
            << "Es können nur 10 Tessarolen\rdargestellt werden!" << QString() << QString()
            << QList<float>{};
        QTest::newRow("parabola with 10 functions")
            << p21_25 << QList<int>{1, 2} << 10 << Parabel2
            << "Es können nur 10 Tessarolen\rdargestellt werden!" << QString() << QString()
            << QList<float>{};
    }
    void zweiPunkte()
    {
        QFETCH(QList<QPointF>, punkte);
        QFETCH(QList<int>, haken);
        QFETCH(int, funktionenVorher);
        QFETCH(Op, op);
        QFETCH(QString, meldung);
        QFETCH(QString, titel);
        QFETCH(QString, art);
        QFETCH(QList<float>, werte);

        Umgebung u;
        for (int i = 0; i < funktionenVorher; ++i)
            u.Funktion(G(float(i), 1));
        u.Punkte(int(punkte.size()), punkte);
        u.HakenPkt(haken);
        u.Ausfuehren(op);

        if (!meldung.isEmpty()) {
            QCOMPARE(u.plattform.Texte(), QStringList{meldung});
            const MsgAufruf& m = u.plattform.meldungen.front();
            QCOMPARE(m.titel, titel);
            QCOMPARE(m.symbol, titel.isEmpty() ? MsgSymbol::Keins : MsgSymbol::Information);
            QCOMPARE(m.knoepfe, MsgKnoepfe::OK);
            QCOMPARE(int(u.z.AnzFkt), funktionenVorher);
            return;
        }
        QCOMPARE(u.plattform.Texte(), QStringList());
        const int n = funktionenVorher + 1;
        QCOMPARE(int(u.z.AnzFkt), n);
        const FunktionsTabelle& t = u.kern->fkt;
        QCOMPARE(t.FktArt[n], art);
        if (art == QLatin1String("GE")) {
            QCOMPARE(t.a[n], 0.0f);
            QCOMPARE(t.m[n], werte[0]);
            QCOMPARE(t.b[n], werte[1]);
            QCOMPARE(t.xSenkrecht[n], werte[2]);
            QCOMPARE(t.xSenkrecht2[n], werte[3]);
        } else {
            QCOMPARE(t.a[n], 1.0f);
            QCOMPARE(t.p[n], werte[0]);
            QCOMPARE(t.q[n], werte[1]);
            QCOMPARE(t.xs[n], werte[2]);
            QCOMPARE(t.ys[n], werte[3]);
        }
        // plotted, with its equation in the function lists, and ticked
        QVERIFY(!t.FktText[n].isEmpty());
        QCheckBox& eintrag = u.kern->FktWahl().chkFkt(n - 1);
        QCOMPARE(eintrag.text(), (art == QLatin1String("GE") ? "g" : "p") + QString::number(n) +
                                     ":" + t.FktText[n]);
        QVERIFY(eintrag.isChecked());
        QVERIFY(u.kern->FunkBeschriftung[n]);
    }

    // The point test through the real input dialog: the answer repeats the
    // texts as typed.
    void punktprobe_data()
    {
        QTest::addColumn<Fkt>("f");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("antwort");  // empty: cancelled, no message
        QTest::newRow("3,04") << G(2, 1) << "1" << "3,04"
                              << "Der Punkt (1 | 3,04) liegt auf der Funktion f1!";
        QTest::newRow("3,06") << G(2, 1) << "1" << "3,06"
                              << "Der Punkt (1 | 3,06) liegt leider nicht auf der Funktion f1!";
        QTest::newRow("fraction") << G(2, 1) << "1/2" << "2"
                                  << "Der Punkt (1/2 | 2) liegt auf der Funktion f1!";
        QTest::newRow("parabola") << Par(1, 1, -4) << "-1" << "0,04"
                                  << "Der Punkt (-1 | 0,04) liegt auf der Funktion f1!";
        QTest::newRow("vertical line") << Senk(2) << "2" << "-50"
                                       << "Der Punkt (2 | -50) liegt auf der Funktion f1!";
        QTest::newRow("beside a vertical line")
            << Senk(2) << "0" << "0" << "Der Punkt (0 | 0) liegt leider nicht auf der Funktion f1!";
        QTest::newRow("cancelled") << G(2, 1) << "1" << "3" << QString();
    }
    void punktprobe()
    {
        QFETCH(Fkt, f);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, antwort);
        Umgebung u;
        u.Funktion(f);
        u.Punkte(1);
        QString titel, vorlage;
        QTimer::singleShot(0, [&] {
            frmEingabe& d = u.kern->Eingabe();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            titel = d.windowTitle();
            vorlage = d.labEingabe1->text() + "|" + d.labEingabe2->text() + "|" +
                      d.labEingabe3->text();
            d.txtEingabe1->selectAll();
            QTest::keyClicks(d.txtEingabe1, x);
            QTest::keyClick(d.txtEingabe1, Qt::Key_Tab);
            d.txtEingabe2->selectAll();
            QTest::keyClicks(d.txtEingabe2, y);
            QTest::mouseClick(antwort.isEmpty() ? d.cmdAbbrechen : d.cmdOK, Qt::LeftButton);
            if (d.isVisible())
                d.hide();
        });
        u.Ausfuehren(Probe);
        QCOMPARE(titel, QStringLiteral("Punkt:"));
        QCOMPARE(vorlage, QStringLiteral("Koordinate x:|Koordinate y:|"));
        QCOMPARE(u.plattform.Texte(), antwort.isEmpty() ? QStringList() : QStringList{antwort});
        QCOMPARE(int(u.z.AnzPkt), 1);
        QVERIFY(!Ergebnisfenster());
    }

    // The selection dialogs' buttons start the analyses.
    void knoepfe()
    {
        Umgebung u;
        u.Funktion(G(1, 1));
        u.Funktion(G(-1, 3));
        u.Funktion(Par(1, 0, 0));
        frmFktWahl& wahl = u.kern->FktWahl();
        wahl.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wahl));
        Anklicken(wahl.chkFkt(0));  // tick f1 (f3 is ticked)
        Anklicken(wahl.chkFkt(2));  // untick f3
        Anklicken(wahl.chkFkt(1));  // tick f2
        QTest::mouseClick(&wahl.cmdAktion(3), Qt::LeftButton);
        QVERIFY(!wahl.isVisible());
        frmPunkte* f = Ergebnisfenster();
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("Schnittpunkte"));
        QCOMPARE(f->Label1->text(), QStringLiteral("f1 und f2 haben einen Schnittpunkt:"));
        QCOMPARE(Zeilen(*f), QStringList{"P1(1/2)"});
        QCOMPARE(u.kern->PktWahl().chkPkt(0).text(), QStringLiteral("P1(1,/2,)"));

        // The new point and one more through the point dialog: distance.
        u.Punkte(2, {{1, 2}, {4, 6}});
        frmPktWahl& pkte = u.kern->PktWahl();
        pkte.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pkte));
        Anklicken(pkte.chkPkt(0));
        QVERIFY(pkte.chkPkt(0).isChecked() && pkte.chkPkt(1).isChecked());
        QTest::mouseClick(&pkte.cmdAktion(2), Qt::LeftButton);
        QCOMPARE(u.plattform.Texte(), QStringList{"Der Abstand beträgt:\r5,00LE"});

        pkte.show();
        QTest::mouseClick(&pkte.cmdAktion(0), Qt::LeftButton);
        QCOMPARE(int(u.z.AnzFkt), 4);
        QCOMPARE(u.kern->fkt.m[4], 4.0f / 3.0f);
        QCOMPARE(u.kern->FktWahl().chkFkt(3).text().left(3), QStringLiteral("g4:"));

        // "Abbrechen" starts nothing.
        wahl.show();
        QTest::mouseClick(&wahl.cmdAbbrechen(), Qt::LeftButton);
        QCOMPARE(int(u.z.AnzPkt), 2);
        QCOMPARE(u.plattform.meldungen.size(), size_t(1));
    }
};

TESSAROLEN_TEST_MAIN(AnalysesTest)
#include "test_analyses.moc"
