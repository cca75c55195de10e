#include "tests/support/recording_surface.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

#include <QLabel>

namespace {
QPoint StelleLE(Zeichenblatt& t, float x, float y)
{
    const float E = t.z.Einheit;
    return {SheetWidget::AlsPixel(t.g.XPos(E * x)), SheetWidget::AlsPixel(t.g.YPos(E * y))};
}
}  // namespace

class LabelsTest : public QObject {
    Q_OBJECT
private slots:
    void funktionsbeschriftung();
    void legendeUndDrucker_data();
    void legendeUndDrucker();
};

void LabelsTest::funktionsbeschriftung()
{
    Zeichenblatt t;
    const auto bei = [&](float x, float y) {  // label position of function 1 in LE, and the label there
        const float lx = t.g.fkt.FktLabelX[1], ly = t.g.fkt.FktLabelY[1];
        return qAbs(lx - x) < 0.01f && qAbs(ly - y) < 0.01f &&
               t.g.FunkBeschriftung[1]->pos() == StelleLE(t, lx, ly);
    };
    t.gerade(2.0f, -3.0f);  // reaches the top edge at 8 LE
    t.punkt(1.0f, -2.0f);
    t.neuZeichnen();
    QLabel* l = t.blatt.findChild<QLabel*>(QStringLiteral("FunkBeschriftung_1"));
    QCOMPARE(l, t.g.FunkBeschriftung[1]);
    QCOMPARE(l->text(), QStringLiteral("g1"));
    QVERIFY(l->font().bold() && !l->isHidden() && l->width() >= l->sizeHint().width());
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(bei(8.2f, 13.0f));
    // Dragged by the user: kept through redraws and changes of the unit.
    t.g.fkt.FktLabelX[1] = 3.0f;
    t.g.fkt.FktLabelY[1] = 4.0f;
    t.g.pkt.PktLabelX[1] = -5.0f;
    t.g.pkt.PktLabelY[1] = 6.0f;
    for (float einheit : {20.0f, 5.0f}) {
        t.z.Einheit = einheit;
        t.neuZeichnen();
        QVERIFY(bei(3.0f, 4.0f));
        QCOMPARE(t.g.PunktBeschriftung[1]->pos(), StelleLE(t, -5.0f, 6.0f));
    }
    t.z.Einheit = 10.0f;
    t.g.fkt.FktLabelY[1] = 0.0f;  // a coordinate of 0 alone is taken from the anchor again
    t.neuZeichnen();
    QVERIFY(bei(3.0f, 13.0f));
    t.z.SimAktiv = true;  // the simulation takes every label back to its anchor
    t.neuZeichnen();
    QVERIFY(bei(8.2f, 13.0f));
}

void LabelsTest::legendeUndDrucker_data()
{
    QTest::addColumn<bool>("gleichungenAus");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<bool>("drucker");
    QTest::newRow("screen") << false << 1.0f << false;
    QTest::newRow("equations hidden") << true << 1.0f << false;
    QTest::newRow("whole page") << false << 0.5f << false;
    QTest::newRow("printer") << false << 1.0f << true;
}

void LabelsTest::legendeUndDrucker()
{
    QFETCH(bool, gleichungenAus);
    QFETCH(float, zoom);
    QFETCH(bool, drucker);
    Zeichenblatt t;
    for (const char* f : {"GE 0 1", "GE 0.5 1", "GE 1 1", "SP 1 1", "AP -0.5 0 2", "NP 0 3"})
        t.funktion(QString::fromLatin1(f));
    t.punkt(1.0f, 1.0f);
    t.neuZeichnen();
    const QPoint fktVorher = t.g.FunkBeschriftung[1]->pos();
    const QPoint pktVorher = t.g.PunktBeschriftung[1]->pos();
    t.g.fkt.FktLabelX[1] = 4.0f;
    t.g.fkt.FktLabelY[1] = -3.0f;
    AufzeichnendeFlaeche rec(drucker);
    t.g.ausgabe = &rec;
    t.g.GleichungenAus = gleichungenAus;
    t.g.Zoom = zoom;
    t.g.TessarolenZeichnen();
    t.g.PunkteZeichnen();
    std::map<QString, QPointF> beschriftung;  // printed in the grid
    std::vector<Aufgezeichnet> legende;       // printed above it
    for (const auto& o : rec.ops)
        if (o.art == Aufgezeichnet::Textausgabe && o.y1 < t.g.YPos(t.g.yHalb))
            legende.push_back(o);
        else if (o.art == Aufgezeichnet::Textausgabe)
            beschriftung[o.text] = QPointF(o.x1, o.y1);
    const int proEintrag = gleichungenAus ? 2 : 4;
    QCOMPARE(int(legende.size()), 5 * proEintrag);
    for (int i = 1; i <= 5; ++i) {
        const float k = (i - 1) * 37.0f - 90.0f;
        const Aufgezeichnet* e = &legende[(i - 1) * proEintrag];
        QCOMPARE(e[0].text + e[1].text, QString(i <= 3 ? "g" : "p") + QString::number(i));
        QCOMPARE(QLineF(e[0].x1, e[0].y1, e[1].x1, e[1].y1),
                 QLineF(t.g.XPos(k + 2), t.g.YPos(135), t.g.XPos(k + 4), t.g.YPos(133)));
        QCOMPARE(QPointF(e[0].schriftgroesse, e[1].schriftgroesse), QPointF(10 * zoom, 6 * zoom));
        if (gleichungenAus)
            continue;
        QCOMPARE(e[2].text + e[3].text, QStringLiteral(":") + t.g.fkt.FktText[i]);
        QCOMPARE(QPointF(e[2].x1, e[3].x1), QPointF(t.g.XPos(k + 5.5f), t.g.XPos(k + 8)));
        QCOMPARE(QPoint(e[2].farbe, e[3].farbe), QPoint(0, t.g.fkt.Farbe[i]));
    }
    QCOMPARE(t.g.FunkBeschriftung[6]->text(), QStringLiteral("p6"));
    if (!drucker) {
        QCOMPARE(t.g.FunkBeschriftung[1]->font().pointSizeF(), 10.0 * zoom);
        QCOMPARE(t.g.PunktBeschriftung[1]->font().pointSizeF(), 10.0 * zoom);
        QCOMPARE(t.g.FunkBeschriftung[1]->pos(), StelleLE(t, 4.0f, -3.0f));
        return;
    }
    // On the printer the labels are printed where they stand; the screen ones stay.
    QCOMPARE(t.g.FunkBeschriftung[1]->pos(), fktVorher);
    QCOMPARE(t.g.PunktBeschriftung[1]->pos(), pktVorher);
    QCOMPARE(beschriftung[QStringLiteral("g1")], QPointF(t.g.XPos(40.0f), t.g.YPos(-30.0f)));
    QCOMPARE(beschriftung[QStringLiteral("P1(1/1)")], QPointF(t.g.XPos(12.0f), t.g.YPos(14.0f)));
    // A label first needed while printing is created, but stays hidden.
    t.punkt(2.0f, 2.0f);
    t.g.PunkteZeichnen();
    QVERIFY(t.g.IsLoaded(2) && t.g.PunktBeschriftung[2]->isHidden());
}

TESSAROLEN_TEST_MAIN(LabelsTest)
#include "test_labels.moc"
