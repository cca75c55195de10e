// The arithmetic of the analyses on plain values, without any window.

#include "core/analysis_math.h"
#include "core/runtime_error.h"
#include "tests/support/test_main.h"

#include <cmath>

namespace {

Koeffizienten Gerade(float m, float b) { return {m, b, 0.0f, 0.0f, 0.0f, 0.0f}; }
// A vertical line as made from two points: slope 501, intercept 0.
Koeffizienten Senkrechte(float x) { return {501.0f, 0.0f, 0.0f, 0.0f, 0.0f, x}; }
Koeffizienten Parabel(float a, float xs, float ys) { return {0.0f, 0.0f, a, xs, ys, 0.0f}; }

void VergleichePunkte(const Punktergebnis& e, int anzahl, const QList<QPointF>& punkte)
{
    QCOMPARE(e.Anzahl, anzahl);
    for (int k = 0; k < punkte.size(); ++k) {
        QCOMPARE(e.x[k], float(punkte[k].x()));
        QCOMPARE(e.y[k], float(punkte[k].y()));
    }
}

}  // namespace

Q_DECLARE_METATYPE(Koeffizienten)

class AnalysisMathTest : public QObject {
    Q_OBJECT
private slots:
    void quadrat_data()
    {
        QTest::addColumn<float>("p");
        QTest::addColumn<float>("q");
        QTest::addColumn<float>("diskriminante");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QList<float>>("wurzeln");
        QTest::newRow("x²-4: 2 then -2") << 0.0f << -4.0f << 4.0f << 2 << QList<float>{2, -2};
        QTest::newRow("x²+2x+1 touches at -1") << 2.0f << 1.0f << 0.0f << 1 << QList<float>{-1};
        QTest::newRow("x²+1 has none") << 0.0f << 1.0f << -1.0f << 0 << QList<float>{};
        QTest::newRow("x²-x: larger root first") << -1.0f << 0.0f << 0.25f << 2
                                                 << QList<float>{1, 0};
        // (p/2)² = 2^-160 is positive in double but below the smallest float:
        // the stored discriminant is 0, so there is one root.
        QTest::newRow("discriminant below the float range")
            << std::ldexp(1.0f, -79) << 0.0f << 0.0f << 1 << QList<float>{-std::ldexp(1.0f, -80)};
    }
    void quadrat()
    {
        QFETCH(float, p);
        QFETCH(float, q);
        QFETCH(float, diskriminante);
        QFETCH(int, anzahl);
        QFETCH(QList<float>, wurzeln);
        const float d = DiskriminanteVon(p, q);
        QCOMPARE(d, diskriminante);
        QCOMPARE(LoesungsAnzahl(d), anzahl);
        const Punktergebnis e = Mitternacht(p, q);
        QCOMPARE(e.Anzahl, anzahl);
        for (int k = 0; k < wurzeln.size(); ++k)
            QCOMPARE(e.x[k], wurzeln[k]);
    }

    void ueberlaufStattUnendlich()
    {
        QVERIFY_THROWS_EXCEPTION(LaufzeitFehler, Mitternacht(3e38f, 0.0f));
        QVERIFY_THROWS_EXCEPTION(LaufzeitFehler, GeradeDurch(0.0f, 3e38f, 1e-30f, -3e38f));
        QVERIFY_THROWS_EXCEPTION(LaufzeitFehler, Abstand(-3e38f, 0.0f, 3e38f, 0.0f));
    }

    void eineFunktion_data()
    {
        QTest::addColumn<Koeffizienten>("f");
        QTest::addColumn<int>("nullstellen");
        QTest::addColumn<QList<QPointF>>("nullpunkte");
        QTest::addColumn<int>("yAbschnitte");
        QTest::addColumn<float>("yAbschnitt");
        QTest::newRow("y=2x-4") << Gerade(2, -4) << 1 << QList<QPointF>{{2, 0}} << 1 << -4.0f;
        QTest::newRow("y=3") << Gerade(0, 3) << 0 << QList<QPointF>{} << 1 << 3.0f;
        QTest::newRow("y=0") << Gerade(0, 0) << 3 << QList<QPointF>{} << 1 << 0.0f;
        QTest::newRow("vertical x=2") << Senkrechte(2) << 1 << QList<QPointF>{{2, 0}} << 0 << 0.0f;
        QTest::newRow("vertical x=0") << Senkrechte(0) << 1 << QList<QPointF>{{0, 0}} << 0 << 0.0f;
        QTest::newRow("slope exactly 500 is ordinary")
            << Gerade(500, -1000) << 1 << QList<QPointF>{{2, 0}} << 1 << -1000.0f;
        QTest::newRow("y=(x-1)²-4") << Parabel(1, 1, -4) << 2
                                    << QList<QPointF>{{3, 0}, {-1, 0}} << 1 << -3.0f;
        QTest::newRow("y=x²") << Parabel(1, 0, 0) << 1 << QList<QPointF>{{0, 0}} << 1 << 0.0f;
        QTest::newRow("y=x²+1") << Parabel(1, 0, 1) << 0 << QList<QPointF>{} << 1 << 1.0f;
        QTest::newRow("y=2(x-1)²+3") << Parabel(2, 1, 3) << 0 << QList<QPointF>{} << 1 << 5.0f;
        QTest::newRow("y=-0.5(x+2)²+2") << Parabel(-0.5f, -2, 2) << 2
                                         << QList<QPointF>{{0, 0}, {-4, 0}} << 1 << 0.0f;
    }
    void eineFunktion()
    {
        QFETCH(Koeffizienten, f);
        QFETCH(int, nullstellen);
        QFETCH(QList<QPointF>, nullpunkte);
        QFETCH(int, yAbschnitte);
        QFETCH(float, yAbschnitt);
        VergleichePunkte(Nullstellen(f), nullstellen, nullpunkte);
        const Punktergebnis t = YAchsenabschnitt(f);
        QCOMPARE(t.Anzahl, yAbschnitte);
        if (yAbschnitte == 1) {
            QCOMPARE(t.x[0], 0.0f);
            QCOMPARE(t.y[0], yAbschnitt);
        }
    }

    void schnitt_data()
    {
        QTest::addColumn<Koeffizienten>("i");
        QTest::addColumn<Koeffizienten>("j");
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QList<QPointF>>("punkte");
        const QString P = QStringLiteral("P"), Q = QStringLiteral("Q");
        QTest::newRow("x+1 / -x+3") << Gerade(1, 1) << Gerade(-1, 3) << P << 1
                                    << QList<QPointF>{{1, 2}};
        QTest::newRow("parallel") << Gerade(2, 1) << Gerade(2, -3) << QString() << 0
                                  << QList<QPointF>{};
        QTest::newRow("identical") << Gerade(2, 1) << Gerade(2, 1) << QString() << 0
                                   << QList<QPointF>{};
        QTest::newRow("y=3 / vertical x=2") << Gerade(0, 3) << Senkrechte(2) << P << 1
                                            << QList<QPointF>{{2, 3}};
        QTest::newRow("vertical x=2 / y=3") << Senkrechte(2) << Gerade(0, 3) << P << 1
                                            << QList<QPointF>{{2, 3}};
        QTest::newRow("two vertical lines") << Senkrechte(2) << Senkrechte(5) << QString() << 0
                                            << QList<QPointF>{};
        QTest::newRow("two vertical lines of different slope")
            << Senkrechte(2) << Koeffizienten{900, 0, 0, 0, 0, 5} << QString() << 0
            << QList<QPointF>{};
        QTest::newRow("x+1 / vertical x=2") << Gerade(1, 1) << Senkrechte(2) << P << 1
                                            << QList<QPointF>{{2, 3}};
        QTest::newRow("vertical x=2 / x+1") << Senkrechte(2) << Gerade(1, 1) << P << 1
                                            << QList<QPointF>{{2, 3}};
        QTest::newRow("vertical x=2 / (x-1)²-4") << Senkrechte(2) << Parabel(1, 1, -4) << P << 1
                                                 << QList<QPointF>{{2, -3}};
        QTest::newRow("(x-1)²-4 / vertical x=2") << Parabel(1, 1, -4) << Senkrechte(2) << P << 1
                                                 << QList<QPointF>{{2, -3}};
        QTest::newRow("x / x²") << Gerade(1, 0) << Parabel(1, 0, 0) << P << 2
                                << QList<QPointF>{{1, 1}, {0, 0}};
        QTest::newRow("x² / x") << Parabel(1, 0, 0) << Gerade(1, 0) << P << 2
                                << QList<QPointF>{{1, 1}, {0, 0}};
        QTest::newRow("x-1 misses x²") << Gerade(1, -1) << Parabel(1, 0, 0) << P << 0
                                       << QList<QPointF>{};
        QTest::newRow("tangent 2x-1 / x²") << Gerade(2, -1) << Parabel(1, 0, 0) << P << 1
                                           << QList<QPointF>{{1, 1}};
        QTest::newRow("2(x-1)²+3 / y=5") << Parabel(2, 1, 3) << Gerade(0, 5) << P << 2
                                         << QList<QPointF>{{2, 5}, {0, 5}};
        QTest::newRow("x² / -x²+2") << Parabel(1, 0, 0) << Parabel(-1, 0, 2) << Q << 2
                                    << QList<QPointF>{{1, 1}, {-1, 1}};
        QTest::newRow("x² / 3x²-2") << Parabel(1, 0, 0) << Parabel(3, 0, -2) << Q << 2
                                    << QList<QPointF>{{1, 1}, {-1, 1}};
        QTest::newRow("x² / (x-2)²") << Parabel(1, 0, 0) << Parabel(1, 2, 0) << Q << 1
                                     << QList<QPointF>{{1, 1}};
        QTest::newRow("2x² / 2(x-1)²+2") << Parabel(2, 0, 0) << Parabel(2, 1, 2) << Q << 1
                                         << QList<QPointF>{{1, 2}};
        QTest::newRow("x² / x²+1") << Parabel(1, 0, 0) << Parabel(1, 0, 1) << Q << 0
                                   << QList<QPointF>{};
        QTest::newRow("x²+1 / -x²") << Parabel(1, 0, 1) << Parabel(-1, 0, 0) << Q << 0
                                    << QList<QPointF>{};
    }
    void schnitt()
    {
        QFETCH(Koeffizienten, i);
        QFETCH(Koeffizienten, j);
        QFETCH(QString, art);
        QFETCH(int, anzahl);
        QFETCH(QList<QPointF>, punkte);
        QCOMPARE(SchnittArt(Schnittfall(i, j)), art);
        VergleichePunkte(Schnittpunkte(i, j), anzahl, punkte);
    }

    void punktprobe_data()
    {
        QTest::addColumn<Koeffizienten>("f");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("liegtAuf");
        QTest::newRow("2x+1 at (1|3,04)") << Gerade(2, 1) << 1.0f << 3.04f << true;
        QTest::newRow("2x+1 at (1|3,06)") << Gerade(2, 1) << 1.0f << 3.06f << false;
        QTest::newRow("2x+1 at (0,5|2)") << Gerade(2, 1) << 0.5f << 2.0f << true;
        QTest::newRow("x² at (2|4,04)") << Parabel(1, 0, 0) << 2.0f << 4.04f << true;
        QTest::newRow("x² at (2|4,06)") << Parabel(1, 0, 0) << 2.0f << 4.06f << false;
        QTest::newRow("(x-1)²-4 at (-1|0)") << Parabel(1, 1, -4) << -1.0f << 0.0f << true;
        QTest::newRow("vertical x=2 at (2,04|100)") << Senkrechte(2) << 2.04f << 100.0f << true;
        QTest::newRow("vertical x=2 at (1,96|-7)") << Senkrechte(2) << 1.96f << -7.0f << true;
        QTest::newRow("vertical x=2 at (2,06|3)") << Senkrechte(2) << 2.06f << 3.0f << false;
        QTest::newRow("vertical x=2 at (0|0)") << Senkrechte(2) << 0.0f << 0.0f << false;
    }
    void punktprobe()
    {
        QFETCH(Koeffizienten, f);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, liegtAuf);
        QCOMPARE(LiegtAuf(f, x, y), liegtAuf);
    }

    void zweiPunkte_data()
    {
        QTest::addColumn<QPointF>("p1");
        QTest::addColumn<QPointF>("p2");
        QTest::addColumn<bool>("senkrecht");
        QTest::addColumn<float>("m");
        QTest::addColumn<float>("b");
        QTest::addColumn<QList<float>>("parabel");  // p, q, xs, ys
        QTest::addColumn<QString>("abstand");
        QTest::newRow("(1/3) (3/7)") << QPointF(1, 3) << QPointF(3, 7) << false << 2.0f << 1.0f
                                     << QList<float>{-2, 4, 1, 3} << QStringLiteral("4,47LE");
        QTest::newRow("(2/1) (2/5)") << QPointF(2, 1) << QPointF(2, 5) << true << 501.0f << 0.0f
                                     << QList<float>{} << QStringLiteral("4,00LE");
        QTest::newRow("(1/1) (-1/1)") << QPointF(1, 1) << QPointF(-1, 1) << false << 0.0f << 1.0f
                                      << QList<float>{0, 0, 0, 0} << QStringLiteral("2,00LE");
        QTest::newRow("(0/0) (2/0)") << QPointF(0, 0) << QPointF(2, 0) << false << 0.0f << 0.0f
                                     << QList<float>{-2, 0, 1, -1} << QStringLiteral("2,00LE");
        QTest::newRow("(0/0) (3/4)") << QPointF(0, 0) << QPointF(3, 4) << false << (4.0f / 3.0f)
                                     << 0.0f << QList<float>{-5.0f / 3.0f, 0, 5.0f / 6.0f,
                                                             -25.0f / 36.0f}
                                     << QStringLiteral("5,00LE");
        QTest::newRow("(0/0) (0,3/0,4)") << QPointF(0, 0) << QPointF(0.3, 0.4) << false
                                         << (0.4f / 0.3f) << 0.0f
                                         << QList<float>{1.0333333f, 0, -0.51666665f, -0.26694444f}
                                         << QStringLiteral(",50LE");
    }
    void zweiPunkte()
    {
        QFETCH(QPointF, p1);
        QFETCH(QPointF, p2);
        QFETCH(bool, senkrecht);
        QFETCH(float, m);
        QFETCH(float, b);
        QFETCH(QList<float>, parabel);
        QFETCH(QString, abstand);
        const float x1 = float(p1.x()), y1 = float(p1.y()), x2 = float(p2.x()), y2 = float(p2.y());
        const GeradeAusPunkten g = GeradeDurch(x1, y1, x2, y2);
        QCOMPARE(g.senkrecht, senkrecht);
        QCOMPARE(g.m, m);
        QCOMPARE(g.b, b);
        if (!parabel.isEmpty()) {
            const NormalparabelAusPunkten n = NormalparabelDurch(x1, y1, x2, y2);
            QCOMPARE(n.p, parabel[0]);
            QCOMPARE(n.q, parabel[1]);
            QCOMPARE(n.xs, parabel[2]);
            QCOMPARE(n.ys, parabel[3]);
        }
        QCOMPARE(AbstandText(Abstand(x1, y1, x2, y2)), abstand);
    }

    void texte_data()
    {
        QTest::addColumn<QString>("ist");
        QTest::addColumn<QString>("soll");
        QTest::newRow("zero point") << PunktText("N", 3, -1.5f, 0.0f) << "N3(-1,5/0)";
        QTest::newRow("half to even") << PunktText("P", 1, 0.125f, -0.135f) << "P1(0,12/-0,14)";
        QTest::newRow("large") << PunktText("Q", 10, 1234.5f, 2.0f) << "Q10(1234,5/2)";
        QTest::newRow("T 0") << ErgebnisSatz(0, "T", 1, 0) << "f1 hat keinen Y-Achsenschnittpunkt!";
        QTest::newRow("T 1") << ErgebnisSatz(1, "T", 2, 0) << "f2 hat den Y-Achsenschnittpunkt:";
        QTest::newRow("N 0") << ErgebnisSatz(0, "N", 1, 0) << "f1 hat keine Nullstellen!";
        QTest::newRow("N 1") << ErgebnisSatz(1, "N", 1, 0) << "f1 hat eine Nullstelle:";
        QTest::newRow("N 2") << ErgebnisSatz(2, "N", 1, 0) << "f1 hat zwei Nullstellen:";
        QTest::newRow("N 3") << ErgebnisSatz(3, "N", 4, 0) << "f4 hat unendlich viele Nullstellen!";
        QTest::newRow("S 1") << ErgebnisSatz(1, "S", 1, 0) << "f1 hat den Scheitelpunkt:";
        QTest::newRow("none") << ErgebnisSatz(0, "", 1, 2) << "f1 und f2 haben keinen Schnittpunkt!";
        QTest::newRow("Q 0") << ErgebnisSatz(0, "Q", 1, 3) << "f1 und f3 haben keinen Schnittpunkt!";
        QTest::newRow("P 1") << ErgebnisSatz(1, "P", 2, 3) << "f2 und f3 haben einen Schnittpunkt:";
        QTest::newRow("Q 2") << ErgebnisSatz(2, "Q", 1, 10) << "f1 und f10 haben zwei Schnittpunkte:";
        QTest::newRow("caption T") << ErgebnisTitel("T") << "Y-Achsenschnittpunkt";
        QTest::newRow("caption N") << ErgebnisTitel("N") << "Nullstellen";
        QTest::newRow("caption S") << ErgebnisTitel("S") << "Scheitelpunkt";
        QTest::newRow("caption P") << ErgebnisTitel("P") << "Schnittpunkte";
        QTest::newRow("caption empty") << ErgebnisTitel("") << "Schnittpunkte";
    }
    void texte()
    {
        QFETCH(QString, ist);
        QFETCH(QString, soll);
        QCOMPARE(ist, soll);
    }
};

TESSAROLEN_TEST_MAIN(AnalysisMathTest)
#include "test_analysis_math.moc"
