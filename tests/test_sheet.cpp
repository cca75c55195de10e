// The sheet: mapping, line widths, grid and axes on the screen and on a printer.

#include "core/printer_surface.h"
#include "tests/support/recording_surface.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

static QString bereich(int von, int bis)  // the labels of an axis
{
    QStringList t;
    for (int i = von; i <= bis; ++i)
        if (i) t << (i < 0 ? "" : " ") + QString::number(i);
    return t.join(QChar(','));
}

class SheetTest : public QObject {
    Q_OBJECT
private slots:
    void mappingAndLineWidths()
    {
        Zeichenblatt s;
        GraphCore& k = s.g;
        k.Zoom = 0.5f;
        QCOMPARE((QList<float>{k.XPos(90), k.YPos(130), k.XPosINV(90)}), (QList<float>{145, 83.5f, 280}));
        k.Zoom = 1.0f, k.OffsetX = 5.0f, k.OffsetY = 4.0f;
        QCOMPARE((QList<float>{k.XPos(0), k.YPos(0)}), (QList<float>{102.5f, 144.5f}));
        Bildschirmflaeche eins(200, 297, 1.0), zwei(200, 297, 2.0);
        QList<int> b;
        for (float mm : {0.2f, 0.4f, 0.5f, 0.6f, 0.0f, 0.01f})
            b << StrichBreite(mm, eins) << StrichBreite(mm, zwei);
        QImage bild(10, 10, QImage::Format_RGB32);
        QPainter maler(&bild);
        Druckerflaeche zehn(maler, 254, 10, 10);  // 10 pixels per mm: halves round to even
        b << StrichBreite(0.25f, zehn) << StrichBreite(1.25f, zehn);
        QCOMPARE(b, (QList<int>{1, 2, 2, 3, 2, 4, 2, 5, 0, 0, 1, 1, 2, 12}));
        zwei.PSet(199.05f, 296.05f, 0x123456);  // two device pixels per pixel: the whole page still fits
        QCOMPARE(zwei.Point(199.05f, 296.05f), 0x123456);
    }

    // Per unit and half height of the grid, as Achsen prints and draws them: the labels of the x and y axis, and
    // how far left of 0 the first x tick is in mm (the last is at 80).
    void ticksAndLabels()
    {
        const std::tuple<float, float, QString, QString, float> faelle[] = {
            {10, 130, bereich(-9, 8), bereich(-13, 12), 90}, {5, 120, bereich(-18, 16), bereich(-24, 22), 90},
            {20, 130, bereich(-4, 4), bereich(-6, 6), 80}, {20, 120, bereich(-4, 4), bereich(-6, 5), 80}};
        for (const auto& [einheit, yHalb, x, y, xTick] : faelle) {
            Zeichenblatt s;
            AufzeichnendeFlaeche f;
            s.g.ausgabe = &f;
            s.z.Einheit = einheit, s.g.yHalb = yHalb;
            s.g.Achsen();
            QStringList xs, ys, namen;
            QList<float> ticks;
            for (const auto& o : f.ops) {
                const float v = o.text.toFloat() * einheit, w = 1.5f * float(o.text.size());  // the target's width
                const bool x = o.x1 == s.g.XPos(v - 1.5f) && o.y1 == s.g.YPos(-2.0f);  // else right-aligned 3 mm left
                if (o.art == Aufgezeichnet::Textausgabe && o.schriftgroesse == 8.0f)
                    (x ? xs : ys) << (x || (o.x1 == s.g.XPos(-3 - w) && o.y1 == s.g.YPos(v + 2)) ? o.text : "?");
                else if (o.art == Aufgezeichnet::Textausgabe)
                    namen << QStringLiteral("%1 %2 %3 %4").arg(o.text).arg(o.x1).arg(o.y1).arg(o.schriftgroesse);
                if (o.art == Aufgezeichnet::Linie && o.farbe == 0 && o.breite == 1 && o.y1 == s.g.YPos(1.5f))
                    ticks << o.x1 - 100.0f;
            }
            QCOMPARE(xs.join(QChar(',')) + '|' + ys.join(QChar(',')), x + '|' + y);
            QCOMPARE((QList<float>{ticks.first(), ticks.last(), float(ticks.size())}), (QList<float>{-xTick, 80, xs.size() + 1.0f}));
            QCOMPARE(namen, (QStringList{QStringLiteral("y 95 %1 12").arg(148.5f - yHalb), "x 186 149.5 12",
                                         QStringLiteral(" 10 %1 10").arg(138.5f - yHalb)}));  // axis names, empty heading
        }
    }

    void screenPixels()
    {
        Zeichenblatt s;
        s.g.Achsen();
        Bildschirmflaeche& f = s.flaeche();
        // grid every 5 mm across, y axis, x axis, paper, margin left of the grid, outside the sheet, arrow bases,
        // the left end of a y tick
        QCOMPARE((QList<int>{f.Point(102.5f, 143.5f), f.Point(100.0f, 48.5f), f.Point(150.0f, 148.5f),
                             f.Point(102.5f, 86.0f), f.Point(5.0f, 188.5f), f.Point(-1.0f, 0.0f),
                             f.Point(100.7f, 23.5f), f.Point(185.0f, 147.8f), f.Point(98.7f, 138.5f)}),
                 (QList<int>{0xC0C0C0, 0, 0, 0xFFFFFF, 0xFFFFFF, -1, 0, 0, 0}));
        QVERIFY(!s.enthaelt(0, -90, 140, -30, 136));  // the heading stands 10 mm above the grid, only when there is one
        s.g.Überschrift = QStringLiteral("Übung 1");
        s.g.Achsen();
        QVERIFY(s.enthaelt(0, -90, 140, -30, 136));
    }

    // At 96 dpi onto an image, the printer target's grid and axis lines fall on the same pixels as on screen,
    // along the row 47.5 mm above the x axis (the page itself is measured by the printing test).
    void printer()
    {
        Zeichenblatt s;
        s.g.Achsen();
        const QImage& schirm = s.flaeche().Bild();
        QImage papier = schirm.copy();  // of the same size and resolution
        papier.fill(Qt::white);
        {
            QPainter maler(&papier);
            Druckerflaeche drucker(maler, 96, papier.width(), papier.height());
            s.g.ausgabe = &drucker;
            s.g.Achsen();
            QVERIFY(qAbs(drucker.TextWidth("-12") - s.flaeche().TextWidth("-12")) < 0.3f);  // in mm on both
            drucker.DrawWidth = 4, drucker.PSet(50.0f, 50.0f, 0x123456);  // a dot in its own colour
        }
        int linien = 0, zeile = int(101.0 * 96 / 25.4);
        for (int x = 0; x < schirm.width(); ++x) {
            const bool aufSchirm = QColor(schirm.pixel(x, zeile)) != Qt::white;
            QCOMPARE(QColor(papier.pixel(x, zeile)) != Qt::white, aufSchirm);
            linien += aufSchirm;
        }
        QCOMPARE(linien, 38);  // every 5 mm from -90 to 90 mm, the y axis two pixels wide
        QCOMPARE(AlsFarbwert(QColor(papier.pixel(189, 189))), 0x123456);
    }
};

TESSAROLEN_TEST_MAIN(SheetTest)
#include "test_sheet.moc"
