// "Drucken..." through the menu onto a PDF printer, measured on the page
// rendered at 600 dpi: true scale, positions relative to the axes, the short
// page, cancelling, and the window's state afterwards.

#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QFile>
#include <QImageReader>
#include <QPrinter>
#include <QProcess>

namespace {
constexpr double MmProPixel = 25.4 / 600.0;

bool neutral(QRgb p) { return qAbs(qRed(p) - qGreen(p)) < 24 && qAbs(qGreen(p) - qBlue(p)) < 24; }

// Centres (mm from the page's edge) of the runs of drawn pixels along a row
// or a column, keeping the neutral (grey, black) or the coloured ones.
QList<double> läufe(const QImage& bild, bool zeile, double lageMm, bool farbig)
{
    QList<double> mitten;
    const int fest = int(lageMm / MmProPixel), n = zeile ? bild.width() : bild.height();
    int anfang = -1;
    for (int i = 0; i <= n; ++i) {
        const QRgb p = i < n ? (zeile ? bild.pixel(i, fest) : bild.pixel(fest, i)) : qRgb(255, 255, 255);
        const bool gemalt = qMin(qRed(p), qMin(qGreen(p), qBlue(p))) < 230 && neutral(p) != farbig;
        if (gemalt && anfang < 0)
            anfang = i;
        if (!gemalt && anfang >= 0) {
            mitten << (anfang + i - 1) / 2.0 * MmProPixel;
            anfang = -1;
        }
    }
    return mitten;
}

// Top of the first black text in a strip (mm from the page's top), -1 if none.
double ersteSchwarzeZeile(const QImage& bild, double linksMm, double rechtsMm, double vonMm,
                          double bisMm)
{
    for (int y = int(vonMm / MmProPixel); y < int(bisMm / MmProPixel); ++y)
        for (int x = int(linksMm / MmProPixel); x < int(rechtsMm / MmProPixel); ++x)
            if (qGray(bild.pixel(x, y)) < 80 && neutral(bild.pixel(x, y)))
                return y * MmProPixel;
    return -1;
}
}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void printThroughMenu_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QString>("überschrift");  // answer of the input box; empty = cancel
        QTest::addColumn<bool>("drucken");          // printer dialog answered with "Drucken"
        QTest::addColumn<double>("rand");           // left, top and bottom margin, mm
        QTest::addColumn<int>("halbeHöhe");         // printed yHalb; 0 = nothing printed
        QTest::newRow("1:1") << 1.0f << "Klasse 8b" << true << 0.0 << 130;
        QTest::newRow("ganze Seite") << 0.5f << "Klasse 8b" << true << 0.0 << 130;
        QTest::newRow("short page") << 1.0f << "Klasse 8b" << true << 10.0 << 120;
        QTest::newRow("heading cancelled") << 1.0f << "" << true << 0.0 << 130;
        QTest::newRow("printer dialog cancelled") << 0.5f << "Klasse 8b" << false << 0.0 << 0;
    }
    void printThroughMenu()
    {
        QFETCH(float, zoom);
        QFETCH(QString, überschrift);
        QFETCH(bool, drucken);
        QFETCH(double, rand);
        QFETCH(int, halbeHöhe);
        Fenster w;
        GraphCore& k = w.k();
        k.Überschrift = QStringLiteral("vorher");
        k.Zoom = zoom;
        w.z.AnzFkt = 2;  // g1: y = 0.5x + 1; p2: y = 0.5(x-2)² - 3
        k.fkt.FktArt[1] = "GE", k.fkt.m[1] = 0.5f, k.fkt.b[1] = 1.0f;
        k.fkt.FktArt[2] = "AP", k.fkt.a[2] = 0.5f, k.fkt.xs[2] = 2.0f, k.fkt.ys[2] = -3.0f;
        w.z.AnzPkt = 1;
        k.pkt.PktName[1] = "P", k.pkt.PktX[1] = -3.0f, k.pkt.PktY[1] = -4.0f;
        k.MenüTessarolenEintragen();
        k.MenüPunkteEintragen();
        w.z.SimAktiv = true;
        const QImage bildschirm = w.blatt().Bild();
        const QString pdf = w.ordner.filePath("seite.pdf");
        double links = 0;  // the printer's left offset, mm
        w.plattform.inputAntworten = {überschrift};
        w.plattform.beiDruckDialog = [&](QPrinter& p) {
            p.setOutputFileName(pdf);
            p.setPageMargins(QMarginsF(rand, rand, 0, rand), QPageLayout::Millimeter);
            links = p.pageRect(QPrinter::DevicePixel).left() / p.resolution() * 25.4;
            return drucken;
        };
        w.menü("mnuDrucken");

        QCOMPARE(w.plattform.eingaben.size(), size_t(1));
        const InputAufruf& e = w.plattform.eingaben[0];
        QCOMPARE((QStringList{e.prompt, e.titel, e.vorgabe}),
                 (QStringList{"Überschrift des Ausdrucks eingeben:", "Ausdruck", "vorher"}));
        QCOMPARE(k.Überschrift, überschrift);
        QCOMPARE(w.plattform.meldungen.size(), size_t(halbeHöhe == 120));
        for (const MsgAufruf& m : w.plattform.meldungen) {
            QCOMPARE(m.text, "Der Druckbereich des gewählten Druckers ist zu knapp,\rdeshalb muss "
                             "die Y-Achse beim Ausdruck um eine LE gekürzt werden!");
            QVERIFY(m.symbol == MsgSymbol::Information && m.knoepfe == MsgKnoepfe::OK);
            QCOMPARE(m.titel, "Hinweis...");
        }
        QVERIFY(!w.z.SimAktiv);
        QVERIFY(k.ausgabe == &w.blatt());
        QCOMPARE(k.Zoom, zoom);
        QVERIFY(k.OffsetX == 0.0f && k.OffsetY == 0.0f && k.yHalb == 130.0f);
        QVERIFY(w.blatt().Bild() == bildschirm);
        QCOMPARE(QFile::exists(pdf), halbeHöhe > 0);
        if (halbeHöhe == 0)
            return;

        QProcess renderer;
        renderer.start("pdftoppm", {"-r", "600", "-singlefile", pdf, w.ordner.filePath("seite")});
        QVERIFY(renderer.waitForFinished(60000) && renderer.exitCode() == 0);
        QImageReader::setAllocationLimit(256);  // an A4 page at 600 dpi
        const QImage seite(w.ordner.filePath("seite.ppm"));
        QVERIFY(!seite.isNull());
        // Where the axes lie on paper: x keeps half the left offset once more.
        const double y0 = 148.5, x0 = 100 + 1.5 * links;
        const QList<double> senkrecht = läufe(seite, true, y0 + 62.5, false);
        const QList<double> waagerecht = läufe(seite, false, x0 - 62.5, false);
        QCOMPARE(senkrecht.size(), 37);
        QCOMPARE(waagerecht.size(), 2 * halbeHöhe / 5 + 1);
        for (const QList<double>& linien : {senkrecht, waagerecht})
            for (qsizetype i = 1; i < linien.size(); ++i)
                QVERIFY2(qAbs(linien[i] - linien[i - 1] - 5) <= 0.05, qPrintable(QString::number(i)));
        QVERIFY(qAbs(senkrecht.last() - senkrecht.first() - 180) <= 0.05);
        QVERIFY(qAbs(waagerecht.last() - waagerecht.first() - 2 * halbeHöhe) <= 0.05);
        const double achseX = senkrecht[18], achseY = waagerecht[halbeHöhe / 5];
        QVERIFY(qAbs(achseX - x0) <= 0.1 && qAbs(achseY - y0) <= 0.1);

        // One point of each curve and the point's cross, in mm from the axes.
        const struct { double x, y; } soll[] = {{40, 30}, {20, -30}, {-30, -40}};
        for (const auto& s : soll) {
            double nächste = 1e9;
            for (double m : läufe(seite, false, achseX + s.x, true))
                if (qAbs(achseY - m - s.y) < qAbs(nächste))
                    nächste = achseY - m - s.y;
            QVERIFY2(qAbs(nächste) <= 0.1, qPrintable(QString("%1: %2").arg(s.x).arg(nächste)));
        }
        // The heading starts 10 mm above the grid's top left corner, above
        // the legend row.
        const double oben = achseY - halbeHöhe;
        const double kopf = ersteSchwarzeZeile(seite, achseX - 90, achseX - 50, oben - 12, oben - 6);
        if (überschrift.isEmpty())
            QCOMPARE(kopf, -1.0);
        else
            QVERIFY2(kopf >= oben - 10 && kopf < oben - 8,
                     qPrintable(QString::number(kopf)));
    }
};

TESSAROLEN_TEST_MAIN(PrintingTest)
#include "test_printing.moc"
