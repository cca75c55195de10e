// The sheet: mapping, line widths, grid and axes on the screen and on a printer.

#include "core/graph_core.h"
#include "core/printer_surface.h"
#include "core/sheet_widget.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {
struct Aufbau {
    SkriptPlattform plattform;
    Programmzustand z;
    SheetWidget blatt{nullptr, 1.0};
    GraphCore kern{z, blatt};
    Aufbau() { z.plattform = &plattform; }
};

// The labels Achsen printed below the x axis and left of the y axis, in order.
void beschriftungen(const AufzeichnendeFlaeche& f, const GraphCore& k, QStringList& x, QStringList& y)
{
    for (const auto& o : f.ops) {
        if (o.art != Aufgezeichnet::Textausgabe || o.schriftgroesse != 8.0f * k.Zoom)
            continue;
        if (o.y1 == k.YPos(-2.0f))
            x << o.text;
        else
            y << o.text;
    }
}

QString bereich(int von, int bis)
{
    QStringList t;
    for (int i = von; i <= bis; ++i)
        if (i != 0)
            t << (i < 0 ? QString::number(i) : QStringLiteral(" ") + QString::number(i));
    return t.join(QChar(','));
}
}  // namespace

class SheetTest : public QObject {
    Q_OBJECT
private slots:
    void mapping()
    {
        Aufbau a;
        GraphCore& k = a.kern;
        QCOMPARE(k.XPos(0.0f), 100.0f);
        QCOMPARE(k.YPos(0.0f), 148.5f);
        k.Zoom = 0.5f;
        QCOMPARE(k.XPos(90.0f), 145.0f);
        QCOMPARE(k.YPos(130.0f), 83.5f);
        QCOMPARE(k.XPosINV(90.0f), 280.0f);
        k.Zoom = 1.0f;
        k.OffsetX = 5.0f;
        k.OffsetY = 4.0f;
        QCOMPARE(k.XPos(0.0f), 102.5f);
        QCOMPARE(k.YPos(0.0f), 144.5f);
    }

    void lineWidths_data()
    {
        QTest::addColumn<float>("mm");
        QTest::addColumn<double>("verhaeltnis");
        QTest::addColumn<int>("pixel");
        QTest::newRow("0.2") << 0.2f << 1.0 << 1;
        QTest::newRow("0.4") << 0.4f << 1.0 << 2;
        QTest::newRow("0.5") << 0.5f << 1.0 << 2;
        QTest::newRow("0.6") << 0.6f << 1.0 << 2;
        QTest::newRow("0") << 0.0f << 1.0 << 0;
        QTest::newRow("tiny positive") << 0.01f << 1.0 << 1;
        QTest::newRow("0.2 at ratio 2") << 0.2f << 2.0 << 2;
        QTest::newRow("0.6 at ratio 2, half to even") << 0.6f << 2.0 << 5;
    }
    void lineWidths()
    {
        QFETCH(float, mm);
        QFETCH(double, verhaeltnis);
        QFETCH(int, pixel);
        Bildschirmflaeche f(200, 297, verhaeltnis);
        QCOMPARE(int(StrichBreite(mm, f)), pixel);
    }

    void tickLabels_data()
    {
        QTest::addColumn<float>("einheit");
        QTest::addColumn<float>("yHalb");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("1 cm") << 10.0f << 130.0f << bereich(-9, 8) << bereich(-13, 12);
        QTest::newRow("0.5 cm") << 5.0f << 130.0f << bereich(-18, 16) << bereich(-26, 24);
        QTest::newRow("2 cm") << 20.0f << 130.0f << bereich(-4, 4) << bereich(-6, 6);
        QTest::newRow("1 cm short print") << 10.0f << 120.0f << bereich(-9, 8) << bereich(-12, 11);
        QTest::newRow("0.5 cm short print") << 5.0f << 120.0f << bereich(-18, 16) << bereich(-24, 22);
        QTest::newRow("2 cm short print") << 20.0f << 120.0f << bereich(-4, 4) << bereich(-6, 5);
    }
    void tickLabels()
    {
        QFETCH(float, einheit);
        QFETCH(float, yHalb);
        QFETCH(QString, x);
        QFETCH(QString, y);
        Aufbau a;
        AufzeichnendeFlaeche f;
        a.kern.ausgabe = &f;
        a.z.Einheit = einheit;
        a.kern.yHalb = yHalb;
        a.kern.Achsen();
        QStringList xs, ys;
        beschriftungen(f, a.kern, xs, ys);
        QCOMPARE(xs.join(QChar(',')), x);
        QCOMPARE(ys.join(QChar(',')), y);
        // Ticks: one per unit step, including the one at 0 that has no label.
        int ticks = 0;
        for (const auto& o : f.ops)
            if (o.art == Aufgezeichnet::Linie && o.farbe == 0 && o.breite == 1)
                ++ticks;
        QCOMPARE(ticks, xs.size() + ys.size() + 2);
        // The axis names and the (empty) heading close the drawing.
        const QStringList texte = f.Texte();
        QCOMPARE(texte.mid(texte.size() - 3), (QStringList{"y", "x", ""}));
    }

    void tickRangesInMillimetres()
    {
        Aufbau a;
        AufzeichnendeFlaeche f;
        a.kern.ausgabe = &f;
        a.kern.Achsen();
        float minX = 1e9f, maxX = -1e9f, maxY = -1e9f;
        for (const auto& o : f.ops) {
            if (o.art != Aufgezeichnet::Linie || o.farbe != 0 || o.breite != 1)
                continue;
            if (o.y1 == a.kern.YPos(1.5f)) {  // x ticks
                minX = std::min(minX, o.x1 - 100.0f);
                maxX = std::max(maxX, o.x1 - 100.0f);
            } else {
                maxY = std::max(maxY, 148.5f - o.y1);
            }
        }
        QCOMPARE(minX, -90.0f);
        QCOMPARE(maxX, 80.0f);
        QCOMPARE(maxY, 120.0f);
        a.z.Einheit = 20.0f;
        f.ops.clear();
        a.kern.Achsen();
        for (const auto& o : f.ops)
            if (o.art == Aufgezeichnet::Linie && o.farbe == 0 && o.breite == 1 &&
                o.y1 == a.kern.YPos(1.5f)) {
                QCOMPARE(o.x1 - 100.0f, -80.0f);
                break;
            }
    }

    void screenSheetPixels()
    {
        Aufbau a;
        a.kern.Achsen();
        Bildschirmflaeche& f = a.blatt.Flaeche();
        // Grid lines light grey, axes black, blank paper white.
        QCOMPARE(f.Point(100.0f + 45.0f, 148.5f - 62.5f), 0xC0C0C0);
        QCOMPARE(f.Point(100.0f, 148.5f - 100.0f), 0);
        QCOMPARE(f.Point(100.0f + 50.0f, 148.5f), 0);
        QCOMPARE(f.Point(100.0f + 2.5f, 148.5f - 62.5f), 0xFFFFFF);
        // Outside the grid nothing is drawn (margin left of the grid).
        QCOMPARE(f.Point(5.0f, 148.5f + 40.0f), 0xFFFFFF);
        QCOMPARE(f.Point(-1.0f, 0.0f), -1);
        // The heading is drawn 10 mm above the grid, and only when there is one.
        const QRectF kopf(10.0, 148.5 - 130 - 10, 60.0, 6.0);
        auto schwarzImKopf = [&] {
            int n = 0;
            for (double y = kopf.top(); y < kopf.bottom(); y += 0.2)
                for (double x = kopf.left(); x < kopf.right(); x += 0.2)
                    if (f.Point(float(x), float(y)) == 0)
                        ++n;
            return n;
        };
        QCOMPARE(schwarzImKopf(), 0);
        a.kern.Überschrift = QStringLiteral("Übung 1");
        a.kern.Achsen();
        QVERIFY(schwarzImKopf() > 0);
        f.Cls();
        QCOMPARE(f.Point(100.0f, 148.5f), 0xFFFFFF);
    }

    void screenAtPixelRatioTwo()
    {
        Bildschirmflaeche f(200, 297, 2.0);
        QCOMPARE(f.Bild().width(), 1512);
        f.DrawWidth = StrichBreite(0.4f, f);
        f.Line(10, 10, 10, 100, 0xFF);
        QCOMPARE(f.Point(10.0f, 50.0f), 0xFF);
    }

    // The printer target draws the same sheet: rendered at 96 dpi onto an
    // image, grid and axis lines fall on the same pixels as on screen.
    void printerDrawsTheSameSheet()
    {
        Aufbau a;
        a.kern.Achsen();
        const QImage& schirm = a.blatt.Flaeche().Bild();

        QImage papier(schirm.size(), QImage::Format_RGB32);
        papier.fill(Qt::white);
        papier.setDotsPerMeterX(schirm.dotsPerMeterX());
        papier.setDotsPerMeterY(schirm.dotsPerMeterY());
        {
            QPainter maler(&papier);
            Druckerflaeche drucker(maler, 96, papier.width(), papier.height());
            a.kern.ausgabe = &drucker;
            a.kern.Achsen();
            a.kern.ausgabe = &a.blatt.Flaeche();
        }
        const double k = 96.0 / 25.4;
        int verglichen = 0;
        // Along a row between two horizontal grid lines, every pixel column
        // that is grey or black on screen is so on paper too.
        const int zeile = int((148.5 - 62.5) * k);
        for (int x = int(12 * k); x < int(188 * k); ++x) {
            const bool s = QColor(schirm.pixel(x, zeile)) != Qt::white;
            const bool p = QColor(papier.pixel(x, zeile)) != Qt::white;
            QCOMPARE(p, s);
            verglichen += s ? 1 : 0;
        }
        QVERIFY(verglichen >= 35);  // 35 vertical grid lines cross this stretch
    }

    void printerToPdf()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("blatt.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(datei);
        printer.setPageSize(QPageSize(QPageSize::A4));
        Aufbau a;
        {
            QPainter maler(&printer);
            const QRect bereich = printer.pageRect(QPrinter::DevicePixel).toRect();
            Druckerflaeche drucker(maler, printer.resolution(), bereich.width(), bereich.height());
            QVERIFY(drucker.IstDrucker());
            QVERIFY(drucker.ScaleWidth() > 180.0f && drucker.ScaleWidth() < 210.0f);
            QCOMPARE(int(StrichBreite(0.2f, drucker)), int(std::lround(0.2 * printer.resolution() / 25.4)));
            a.kern.ausgabe = &drucker;
            a.kern.Achsen();
            a.kern.ausgabe = &a.blatt.Flaeche();
        }
        QFile pdf(datei);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.size() > 2000);
        QVERIFY(pdf.read(5) == "%PDF-");
    }
};

TESSAROLEN_TEST_MAIN(SheetTest)
#include "test_sheet.moc"
