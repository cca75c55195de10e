#include "tests/support/sheet_fixture.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_main.h"

#include <QLabel>

namespace {
QPoint StelleLE(Zeichenblatt& t, float x, float y)
{
    const float E = t.z.Einheit;
    return {SheetWidget::AlsPixel(t.g.XPos(E * x)), SheetWidget::AlsPixel(t.g.YPos(E * y))};
}

struct Legendeneintrag {
    QString text;
    float x, y, groesse;
    int32_t farbe;
};

// The texts printed above the grid.
std::vector<Legendeneintrag> Legende(Zeichenblatt& t, const AufzeichnendeFlaeche& rec)
{
    std::vector<Legendeneintrag> l;
    for (const auto& o : rec.ops)
        if (o.art == Aufgezeichnet::Textausgabe && o.y1 < t.g.YPos(t.g.yHalb))
            l.push_back({o.text, o.x1, o.y1, o.schriftgroesse, o.farbe});
    return l;
}
}  // namespace

class LabelsTest : public QObject {
    Q_OBJECT
private slots:
    void funktionsnameRechtsVomAnker();
    void gespeichertePositionBleibt();
    void nullKoordinateGiltAlsUngesetzt();
    void simulationHoltBeschriftungZumAnker();
    void ganzeSeiteHalbeSchrift();
    void legendeFuerFuenfFunktionen_data();
    void legendeFuerFuenfFunktionen();
    void legendeAufDemBlatt();
    void druckerDrucktStattZuVerschieben();
    void elementeEntstehenBeimErstenBedarf();
};

void LabelsTest::funktionsnameRechtsVomAnker()
{
    Zeichenblatt t;
    const int16_t i = t.gerade(2.0f, -3.0f);
    t.g.GeradeZeichnen(i);
    QVERIFY(t.g.IsLoadedFkt(i));
    QLabel* l = t.blatt.findChild<QLabel*>(QStringLiteral("FunkBeschriftung_1"));
    QVERIFY(l);
    QCOMPARE(l, t.g.FunkBeschriftung[i]);
    QCOMPARE(l->text(), QStringLiteral("g1"));
    QVERIFY(l->font().bold());
    QCOMPARE(l->font().pointSizeF(), 10.0);
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!l->isHidden());
    QVERIFY(l->width() >= l->sizeHint().width());
    // The anchor is where the line reaches its highest visible sample.
    QVERIFY(qAbs(t.g.xAnker - 80.0f) < 0.1f);
    QCOMPARE(t.g.fkt.FktLabelX[i], t.g.xAnker / 10.0f + 0.2f);
    QCOMPARE(t.g.fkt.FktLabelY[i], t.g.yAnker / 10.0f);
    QCOMPARE(l->pos(), StelleLE(t, t.g.fkt.FktLabelX[i], t.g.fkt.FktLabelY[i]));
}

void LabelsTest::gespeichertePositionBleibt()
{
    Zeichenblatt t;
    const int16_t i = t.scheitelform(1.0f, -2.0f);
    const int16_t n = t.punkt(1.0f, -2.0f, "S");
    t.neuZeichnen();
    // Dragged by the user to (3, 4) LE and (-5, 6) LE.
    t.g.fkt.FktLabelX[i] = 3.0f;
    t.g.fkt.FktLabelY[i] = 4.0f;
    t.g.pkt.PktLabelX[n] = -5.0f;
    t.g.pkt.PktLabelY[n] = 6.0f;
    for (float einheit : {10.0f, 20.0f, 5.0f}) {
        t.z.Einheit = einheit;
        t.neuZeichnen();
        QCOMPARE(t.g.fkt.FktLabelX[i], 3.0f);
        QCOMPARE(t.g.fkt.FktLabelY[i], 4.0f);
        QCOMPARE(t.g.FunkBeschriftung[i]->pos(), StelleLE(t, 3.0f, 4.0f));
        QCOMPARE(t.g.PunktBeschriftung[n]->pos(), StelleLE(t, -5.0f, 6.0f));
    }
    t.z.Einheit = 10.0f;
    t.g.Zoom = 0.5f;
    t.neuZeichnen();
    QCOMPARE(t.g.FunkBeschriftung[i]->pos(), QPoint(SheetWidget::AlsPixel(115.0),
                                                     SheetWidget::AlsPixel(128.5)));
}

void LabelsTest::nullKoordinateGiltAlsUngesetzt()
{
    Zeichenblatt t;
    const int16_t i = t.gerade(0.0f, 2.0f);  // anchor (-90, 20) mm
    t.g.fkt.FktLabelY[i] = 4.0f;
    t.g.GeradeZeichnen(i);
    QCOMPARE(t.g.fkt.FktLabelX[i], -9.0f + 0.2f);
    QCOMPARE(t.g.fkt.FktLabelY[i], 4.0f);
    t.g.fkt.FktLabelX[i] = 5.0f;
    t.g.fkt.FktLabelY[i] = 0.0f;
    t.g.GeradeZeichnen(i);
    QCOMPARE(t.g.fkt.FktLabelX[i], 5.0f);
    QCOMPARE(t.g.fkt.FktLabelY[i], 2.0f);
}

void LabelsTest::simulationHoltBeschriftungZumAnker()
{
    Zeichenblatt t;
    const int16_t i = t.gerade(0.0f, 2.0f);
    t.g.fkt.FktLabelX[i] = 5.0f;
    t.g.fkt.FktLabelY[i] = -7.0f;
    t.z.SimAktiv = true;
    t.g.GeradeZeichnen(i);
    QCOMPARE(t.g.fkt.FktLabelX[i], -8.8f);
    QCOMPARE(t.g.fkt.FktLabelY[i], 2.0f);
    QCOMPARE(t.g.FunkBeschriftung[i]->pos(), StelleLE(t, -8.8f, 2.0f));
    // The curve moves, the label follows.
    t.g.fkt.b[i] = -3.0f;
    t.g.GeradeZeichnen(i);
    QCOMPARE(t.g.fkt.FktLabelY[i], -3.0f);
}

void LabelsTest::ganzeSeiteHalbeSchrift()
{
    Zeichenblatt t;
    t.g.Zoom = 0.5f;
    AufzeichnendeFlaeche rec;
    const int16_t i = t.normalform(0.0f, -1.0f);
    const int16_t n = t.punkt(1.0f, 1.0f);
    t.g.ausgabe = &rec;
    t.g.TessarolenZeichnen();
    t.g.PunkteZeichnen();
    QCOMPARE(t.g.FunkBeschriftung[i]->font().pointSizeF(), 5.0);
    QCOMPARE(t.g.PunktBeschriftung[n]->font().pointSizeF(), 5.0);
    const auto legende = Legende(t, rec);
    QCOMPARE(int(legende.size()), 4);
    QCOMPARE(legende[0].groesse, 5.0f);
    QCOMPARE(legende[1].groesse, 3.0f);
    QCOMPARE(legende[3].text, QStringLiteral("y=x²-1"));
}

void LabelsTest::legendeFuerFuenfFunktionen_data()
{
    QTest::addColumn<bool>("gleichungenAus");
    QTest::newRow("with equations") << false;
    QTest::newRow("equations hidden") << true;
}

void LabelsTest::legendeFuerFuenfFunktionen()
{
    QFETCH(bool, gleichungenAus);
    Zeichenblatt t;
    t.g.GleichungenAus = gleichungenAus;
    AufzeichnendeFlaeche rec;
    t.g.ausgabe = &rec;
    for (int k = 0; k < 3; ++k)
        t.gerade(0.5f * k, 1.0f);
    t.scheitelform(1.0f, 1.0f);
    t.allgemein(-0.5f, 0.0f, 2.0f);
    t.normalform(0.0f, 3.0f);
    t.g.TessarolenZeichnen();
    const auto legende = Legende(t, rec);
    const int proEintrag = gleichungenAus ? 2 : 4;
    QCOMPARE(int(legende.size()), 5 * proEintrag);
    const QString buchstaben = QStringLiteral("gggpp");
    for (int i = 1; i <= 5; ++i) {
        const float k = (i - 1) * 37.0f;
        const Legendeneintrag* e = &legende[(i - 1) * proEintrag];
        QCOMPARE(e[0].text, QString(buchstaben[i - 1]));
        QCOMPARE(e[0].x, t.g.XPos(-90.0f + 2.0f + k));
        QCOMPARE(e[0].y, t.g.YPos(135.0f));
        QCOMPARE(e[0].groesse, 10.0f);
        QCOMPARE(e[1].text, QString::number(i));
        QCOMPARE(e[1].x, t.g.XPos(-90.0f + 4.0f + k));
        QCOMPARE(e[1].y, t.g.YPos(133.0f));
        QCOMPARE(e[1].groesse, 6.0f);
        if (gleichungenAus)
            continue;
        QCOMPARE(e[2].text, QStringLiteral(":"));
        QCOMPARE(e[2].x, t.g.XPos(-90.0f + 5.5f + k));
        QCOMPARE(e[3].text, t.g.fkt.FktText[i]);
        QCOMPARE(e[3].x, t.g.XPos(-90.0f + 8.0f + k));
        QCOMPARE(e[3].farbe, t.g.fkt.Farbe[i]);
        QCOMPARE(e[2].farbe, 0);
    }
    // The labels on the sheet show the name in both cases; six has one too.
    QCOMPARE(t.g.FunkBeschriftung[6]->text(), QStringLiteral("p6"));
    QCOMPARE(t.g.FunkBeschriftung[2]->text(), QStringLiteral("g2"));
}

void LabelsTest::legendeAufDemBlatt()
{
    Zeichenblatt t;
    const int16_t i = t.gerade(1.0f, 0.0f);
    t.g.fkt.Farbe[i] = 0xFF0000;
    t.g.GeradeZeichnen(i);
    // "y=x" in blue between the heading and the top of the grid.
    QVERIFY(t.enthaelt(0xFF0000, -82.0f, 136.0f, -70.0f, 130.5f));
    QVERIFY(!t.enthaelt(0xFF0000, -90.0f, 145.0f, 90.0f, 136.5f));
    t.flaeche().Cls();
    t.g.GleichungenAus = true;
    t.g.GeradeZeichnen(i);
    QVERIFY(!t.enthaelt(0xFF0000, -82.0f, 136.0f, -70.0f, 130.5f));
}

void LabelsTest::druckerDrucktStattZuVerschieben()
{
    Zeichenblatt t;
    const int16_t i = t.gerade(0.0f, 2.0f);
    const int16_t n = t.punkt(1.0f, 1.0f);
    t.neuZeichnen();
    const QPoint fktVorher = t.g.FunkBeschriftung[i]->pos();
    const QPoint pktVorher = t.g.PunktBeschriftung[n]->pos();
    t.g.fkt.FktLabelX[i] = 4.0f;
    t.g.fkt.FktLabelY[i] = -3.0f;
    AufzeichnendeFlaeche drucker(true);
    t.g.ausgabe = &drucker;
    t.g.OffsetX = 5.0f;
    t.g.OffsetY = 4.0f;
    t.g.TessarolenZeichnen();
    t.g.PunkteZeichnen();
    QCOMPARE(t.g.FunkBeschriftung[i]->pos(), fktVorher);
    QCOMPARE(t.g.PunktBeschriftung[n]->pos(), pktVorher);
    bool fktGedruckt = false, pktGedruckt = false;
    for (const auto& o : drucker.ops) {
        if (o.art != Aufgezeichnet::Textausgabe)
            continue;
        if (o.text == QLatin1String("g1")) {
            fktGedruckt = true;
            QCOMPARE(o.x1, t.g.XPos(40.0f));
            QCOMPARE(o.y1, t.g.YPos(-30.0f));
            QVERIFY(o.fett);
            QCOMPARE(o.schriftgroesse, 10.0f);
        }
        if (o.text == QLatin1String("P1(1/1)")) {
            pktGedruckt = true;
            QCOMPARE(o.x1, t.g.XPos(12.0f));
            QCOMPARE(o.y1, t.g.YPos(14.0f));
            QCOMPARE(o.farbe, 0x8000);
        }
    }
    QVERIFY(fktGedruckt);
    QVERIFY(pktGedruckt);
    // A label first needed while printing is created, but stays hidden.
    const int16_t neu = t.punkt(2.0f, 2.0f);
    t.g.PunkteZeichnen();
    QVERIFY(t.g.IsLoaded(neu));
    QVERIFY(t.g.PunktBeschriftung[neu]->isHidden());
    QVERIFY(t.g.PunktBeschriftung[neu]->text().isEmpty());
}

void LabelsTest::elementeEntstehenBeimErstenBedarf()
{
    Zeichenblatt t;
    for (int16_t k = 0; k <= 10; ++k) {
        QVERIFY(!t.g.IsLoaded(k));
        QVERIFY(!t.g.IsLoadedFkt(k));
    }
    t.g.TextPkt(3, QStringLiteral("abc"), 0.0f, 0.0f, 10.0f, true, 0xFF);
    QVERIFY(t.g.IsLoaded(3));
    QVERIFY(!t.g.IsLoaded(2));
    QLabel* l = t.g.PunktBeschriftung[3];
    t.g.TextPkt(3, QStringLiteral("ein längerer Text"), 10.0f, -10.0f, 12.0f, false, 0xFF00);
    QCOMPARE(t.g.PunktBeschriftung[3], l);
    QCOMPARE(l->text(), QStringLiteral("ein längerer Text"));
    QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
    QCOMPARE(l->pos(), QPoint(SheetWidget::AlsPixel(110.0), SheetWidget::AlsPixel(158.5)));
    QCOMPARE(t.blatt.findChildren<QLabel*>().size(), 1);
    // A number outside the table is an error of the operation, reported once.
    t.g.TextPkt(11, QStringLiteral("x"), 0.0f, 0.0f, 10.0f, false, 0);
    QCOMPARE(int(t.plattform.meldungen.size()), 1);
    QVERIFY(t.plattform.meldungen[0].text.contains(QStringLiteral("frmTessarolen:TextPkt")));
    QCOMPARE(t.blatt.findChildren<QLabel*>().size(), 1);
}

TESSAROLEN_TEST_MAIN(LabelsTest)
#include "test_labels.moc"
