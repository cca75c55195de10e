// "Drucken..." onto a PDF printer, measured on the page rendered at 600 dpi: true scale,
// positions from the axes, the short page, cancelling, and the window's state afterwards.

#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"
#include <QPrinter>

namespace {
constexpr double MmProPixel = 25.4 / 600.0;

bool neutral(QRgb p) { return qAbs(qRed(p) - qGreen(p)) < 24 && qAbs(qGreen(p) - qBlue(p)) < 24; }

// Centres (mm from the edge) of the runs of neutral (grey, black) or coloured pixels along a line.
QList<double> läufe(const QImage& bild, bool zeile, double lageMm, bool farbig)
{
    QList<double> mitten;
    const int fest = int(lageMm / MmProPixel), n = zeile ? bild.width() : bild.height();
    for (int i = 0, anfang = -1; i <= n; ++i) {
        const QRgb p = i == n ? 0xFFFFFFFF : bild.pixel(zeile ? i : fest, zeile ? fest : i);
        const bool gemalt = qMin(qRed(p), qMin(qGreen(p), qBlue(p))) < 230 && neutral(p) != farbig;
        if (!gemalt && anfang >= 0)
            mitten << (std::exchange(anfang, -1) + i - 1) / 2.0 * MmProPixel;
        else if (gemalt && anfang < 0)
            anfang = i;
    }
    return mitten;
}
// Zoom; heading typed into the input box (empty = cancel); resolution; margins (left, top, right, bottom, pt of the
// 842 pt high page); half the height of the printed y axis in mm (0: printing cancelled); page rendered and measured.
struct Druck { float zoom; QString kopf; int dpi; QMarginsF rand; int halbeHöhe; bool messen; };
}  // namespace
Q_DECLARE_METATYPE(Druck)

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void printThroughMenu_data()
    {
        QTest::addColumn<Druck>("d");
        QTest::newRow("1:1, heading cancelled") << Druck{1.0f, "", 1200, {11, 20, 8, 3}, 130, true};
        QTest::newRow("ganze Seite") << Druck{0.5f, "Klasse 8b", 1200, {26, 6, 0, 14}, 130, true};
        QTest::newRow("short page") << Druck{1.0f, "Klasse 8b", 1200, {17, 31, 0, 11}, 120, true};
        // 802 pt at 25.3995 mm per inch: 1415 px at 127 dpi are 282.9944 mm, 1805 px at 162 dpi 283.0006 mm.
        QTest::newRow("just below 283 mm") << Druck{1.0f, "x", 127, {0, 7, 0, 33}, 120, false};
        QTest::newRow("283 mm") << Druck{1.0f, "x", 162, {0, 31, 0, 9}, 130, false};
        QTest::newRow("printer dialog cancelled") << Druck{0.5f, "Klasse 8b", 1200, {}, 0, false};
    }
    void printThroughMenu()
    {
        QFETCH(Druck, d);
        const auto& [zoom, kopf, dpi, rand, halbeHöhe, messen] = d;
        Fenster w;
        GraphCore& k = w.k();
        k.Überschrift = QStringLiteral("vorher"), k.Zoom = zoom, w.z.SimAktiv = true;
        w.z.AnzFkt = 2, w.z.AnzPkt = 1;  // g1: y = 0.5x + 1; p2: y = 0.5(x-2)² - 3; P(-3|-4)
        k.fkt.FktArt[1] = "GE", k.fkt.m[1] = 0.5f, k.fkt.b[1] = 1.0f;
        k.fkt.FktArt[2] = "AP", k.fkt.a[2] = 0.5f, k.fkt.xs[2] = 2.0f, k.fkt.ys[2] = -3.0f;
        k.pkt.PktName[1] = "P", k.pkt.PktX[1] = -3.0f, k.pkt.PktY[1] = -4.0f;
        k.MenüTessarolenEintragen(), k.MenüPunkteEintragen();
        const QImage bildschirm = w.blatt().Bild();
        const QString pdf = w.ordner.filePath("seite.pdf");
        double links = 0;  // the printer's left offset, mm
        w.plattform.inputAntworten = {kopf};
        w.plattform.beiDruckDialog = [&](QPrinter& p) {
            p.setOutputFileName(pdf), p.setResolution(dpi), p.setPageMargins(rand, QPageLayout::Point);
            links = p.pageRect(QPrinter::DevicePixel).left() / p.resolution() * 25.4;
            return halbeHöhe > 0;
        };
        w.menü("mnuDrucken");
        const auto& [e, m] = std::tie(w.plattform.eingaben, w.plattform.meldungen);
        QVERIFY(e.size() == 1 && m.size() == size_t(halbeHöhe == 120));
        QCOMPARE((QStringList{e[0].prompt, e[0].titel, e[0].vorgabe, k.Überschrift}),
                 (QStringList{"Überschrift des Ausdrucks eingeben:", "Ausdruck", "vorher", kopf}));
        QVERIFY(m.empty() || (m[0].titel == "Hinweis..." && m[0].symbol == MsgSymbol::Information &&
                              m[0].knoepfe == MsgKnoepfe::OK && m[0].text == "Der Druckbereich des "
                              "gewählten Druckers ist zu knapp,\rdeshalb muss die Y-Achse beim "
                              "Ausdruck um eine LE gekürzt werden!"));
        // The window as before: screen output, scale, offsets; the simulation stopped.
        QVERIFY(!w.z.SimAktiv && k.ausgabe == &w.blatt() && k.Zoom == zoom && k.yHalb == 130.0f);
        QVERIFY(k.OffsetX == 0.0f && k.OffsetY == 0.0f && w.blatt().Bild() == bildschirm);
        QCOMPARE(QFile::exists(pdf), halbeHöhe > 0);
        if (!messen)
            return;
        QCOMPARE(QProcess::execute("pdftoppm", {"-r", "600", "-singlefile", pdf, pdf}), 0);
        QImageReader::setAllocationLimit(256);  // an A4 page at 600 dpi
        const QImage seite(pdf + ".ppm");
        // Where the axes lie on paper: x keeps half the left offset once more.
        const double y0 = 148.5, x0 = 100 + 1.5 * links;
        const QList<double> senkrecht = läufe(seite, true, y0 + 62.5, false);
        const QList<double> waagerecht = läufe(seite, false, x0 - 62.5, false);
        QVERIFY(senkrecht.size() == 37 && waagerecht.size() == 2 * halbeHöhe / 5 + 1);
        for (const QList<double>& l : {senkrecht, waagerecht}) {  // 5 mm apart, also in sum
            for (qsizetype i = 1; i < l.size(); ++i)
                QVERIFY2(qAbs(l[i] - l[i - 1] - 5) <= 0.05, qPrintable(QString::number(i)));
            QVERIFY(qAbs(l.last() - l.first() - 5 * (l.size() - 1)) <= 0.05);
        }
        const double achseX = senkrecht[18], achseY = waagerecht[halbeHöhe / 5];
        QVERIFY(qAbs(achseX - x0) <= 0.1 && qAbs(achseY - y0) <= 0.1);
        // One point of each curve and the point's cross, in mm from the axes.
        for (const QPointF s : {QPointF(40, 30), QPointF(20, -30), QPointF(-30, -40)}) {
            auto nahe = [&](double mitte) { return qAbs(achseY - mitte - s.y()) <= 0.1; };
            QVERIFY2(std::ranges::any_of(läufe(seite, false, achseX + s.x(), true), nahe),
                     qPrintable(QString::number(s.x())));
        }
        // The heading's first black row lies 10 mm above the grid's top, above the legend row.
        const double oben = achseY - halbeHöhe;
        double oberkante = -1;
        for (int y = (oben - 12) / MmProPixel; oberkante < 0 && y < (oben - 6) / MmProPixel; ++y)
            for (int x = (achseX - 90) / MmProPixel; x < (achseX - 50) / MmProPixel; ++x)
                if (qGray(seite.pixel(x, y)) < 80 && neutral(seite.pixel(x, y)))
                    oberkante = y * MmProPixel;
        QVERIFY2(kopf.isEmpty() ? oberkante == -1 : oberkante >= oben - 10 && oberkante < oben - 8,
                 qPrintable(QString::number(oberkante)));
    }
};

TESSAROLEN_TEST_MAIN(PrintingTest)
#include "test_printing.moc"
