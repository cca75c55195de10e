// Times the full redraw of the sheet (clear, axes, ten functions of every
// kind, ten points with labels) on the screen surface at device pixel ratio
// 1 and 2, one step of a simulation (a click on a bar with nine functions
// and the simulated curve, ten points and their labels: redraw, curve,
// label, list entry, equation), and the same picture drawn the plain way
// with one QPainter drawLine per segment and a round-cap pen on an image of
// the same size. Prints the medians; not part of the test run.

#include "core/scroll_bar.h"
#include "simulation/simulation.h"
#include "tests/support/sheet_fixture.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : 0.5 * (v[m - 1] + v[m]);
}

template <class F>
double MedianMs(int n, F&& f)
{
    for (int i = 0; i < 10; ++i)
        f();
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        const auto a = Uhr::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - a).count());
    }
    return Median(t);
}

void Fuelle(Zeichenblatt& t, bool zehnte = true)
{
    t.gerade(2.0f, -3.0f);
    t.gerade(-0.5f, 4.0f);
    t.senkrechte(-6.0f);
    t.normalform(-4.0f, 3.0f);
    t.normalform(2.0f, -8.0f);
    t.scheitelform(3.0f, -5.0f);
    t.scheitelform(-2.0f, 1.0f);
    t.allgemein(-0.5f, 1.0f, 6.0f);
    t.allgemein(2.0f, -1.0f, -10.0f);
    if (zehnte)
        t.allgemein(0.25f, 4.0f, -2.0f);
    for (int k = 0; k < 10; ++k)
        t.punkt(-8.0f + 1.7f * k, -10.0f + 2.2f * k, k % 2 ? "P" : "N");
}

// The same picture drawn the plain way: every line a QPainter drawLine.
struct Schlicht {
    QImage bild;
    double s;  // pixels per mm
    std::vector<std::vector<QPointF>> kurven;
    QStringList beschriftungen;

    Schlicht(GraphCore& g, Bildschirmflaeche& vorbild, int anzahl)
        : bild(vorbild.Bild().size(), QImage::Format_RGB32), s(vorbild.PixelProMm())
    {
        for (int i = 1; i <= anzahl; ++i) {
            std::vector<QPointF> k;
            for (float x = -90.0f; x <= 90.0f; x = x + 0.1f) {
                const auto& f = g.fkt;
                const double y = f.a[i] != 0.0f
                                     ? f.a[i] / 10.0 * std::pow(x - 10.0 * f.xs[i], 2) + 10.0 * f.ys[i]
                                     : f.m[i] * x + 10.0 * f.b[i];
                if (std::fabs(y) <= 130.0)
                    k.push_back(QPointF(g.XPos(x) * s, g.YPos(float(y)) * s));
            }
            kurven.push_back(k);
        }
        for (int n = 1; n <= 10; ++n)
            beschriftungen << QStringLiteral("P%1(1,5/-2)").arg(n);
    }

    void zeichne(GraphCore& g)
    {
        bild.fill(Qt::white);
        QPainter p(&bild);
        const auto px = [&](float x, float y) { return QPointF(g.XPos(x) * s, g.YPos(y) * s); };
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
        for (float x = -90; x <= 90; x += 5)
            p.drawLine(px(x, 130), px(x, -130));
        for (float y = -130; y <= 130; y += 5)
            p.drawLine(px(-90, y), px(90, y));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(px(-90, 0), px(90, 0));
        p.drawLine(px(0, 130), px(0, -130));
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(8);
        p.setFont(f);
        p.setPen(QPen(Qt::black, 1));
        for (float x = -90; x <= 80; x += 10) {
            p.drawLine(px(x, 1.5f), px(x, -1.5f));
            p.drawText(px(x - 1.5f, -4.0f), QString::number(x / 10));
        }
        for (float y = -130; y <= 120; y += 10) {
            p.drawLine(px(-1.5f, y), px(1.5f, y));
            p.drawText(px(-6.0f, y), QString::number(y / 10));
        }
        QPen stift(Qt::red, 2 * g.picSchaubild.Flaeche().PixelVerhaeltnis(), Qt::SolidLine,
                   Qt::RoundCap, Qt::RoundJoin);
        p.setPen(stift);
        for (const auto& k : kurven)
            for (size_t j = 1; j < k.size(); ++j)
                p.drawLine(k[j - 1], k[j]);
        f.setPointSizeF(10);
        p.setFont(f);
        p.setPen(QColor(0, 0x80, 0));
        for (int n = 0; n < 10; ++n)
            p.drawText(px(-80.0f + 17.0f * n, -100.0f + 22.0f * n), beschriftungen[n]);
    }
};

// One step of the simulation of a general parabola: nine functions and ten
// points in the table, the curve in slot 10, a click on bar 2 back and forth.
void SimSchritt(qreal verhaeltnis, int n, bool nurEigen)
{
    QTemporaryDir ordner;
    SkriptPlattform plattform;
    Programmzustand z;
    z.plattform = &plattform;
    z.Programmpfad = ordner.path() + QStringLiteral("/");
    z.Schrittweite = {0.05f, 0.5f, 0.05f, 0.5f, 0.5f};
    SheetWidget blatt(nullptr, verhaeltnis);
    GraphCore g(z, blatt);
    Zeichenblatt t;
    Fuelle(t, false);
    g.fkt = t.g.fkt;
    g.pkt = t.g.pkt;
    g.DefFarben();
    z.AnzFkt = t.z.AnzFkt;
    z.AnzPkt = t.z.AnzPkt;
    g.Überschrift = QStringLiteral("Geraden und Parabeln");
    g.MenüTessarolenEintragen();
    g.MenüPunkteEintragen();
    frmSimulation w(z, g);
    w.setWindowTitle(SimCaption(SimArt::AllgParabel));
    for (Bildlaufleiste* b : {w.VScroll1, w.VScroll2, w.VScroll3})
        b->SetzeBereich(100, -100);
    w.VScroll1->SetzeValue(10);
    w.VScroll3->SetzeValue(-4);
    int richtung = 1;
    const double schritt = MedianMs(n, [&] {
        w.VScroll2->triggerAction(richtung > 0 ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
        richtung = -richtung;
    });
    // The picture of the step against a redraw from scratch of the same state.
    const QImage schnell = blatt.Flaeche().Bild().copy();
    g.ausgabe->Cls();
    g.Achsen();
    g.TessarolenZeichnen();
    g.PunkteZeichnen();
    g.FunktionZeichnen(int16_t(z.AnzFkt + 1));
    const bool gleich = schnell == blatt.Flaeche().Bild();
    if (!gleich && qEnvironmentVariableIsSet("BENCH_BILD")) {
        schnell.save(qEnvironmentVariable("BENCH_BILD") + QStringLiteral("-sim-%1.png").arg(int(verhaeltnis)));
        blatt.Flaeche().Bild().save(qEnvironmentVariable("BENCH_BILD") +
                                    QStringLiteral("-neu-%1.png").arg(int(verhaeltnis)));
    }
    Schlicht schlicht(g, blatt.Flaeche(), z.AnzFkt + 1);
    const double plain = nurEigen ? 0.0 : MedianMs(n, [&] { schlicht.zeichne(g); });
    std::printf("ratio %.0f: simulation step median %.3f ms, plain drawLine median %.3f ms, "
                "%.1fx faster, picture %s a redraw from scratch, %zu messages\n",
                verhaeltnis, schritt, plain, plain / schritt, gleich ? "equals" : "DIFFERS from",
                plattform.meldungen.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    for (qreal verhaeltnis : {1.0, 2.0}) {
        if (qEnvironmentVariableIsSet("BENCH_NUR_SIMULATION")) {
            SimSchritt(verhaeltnis, n, qEnvironmentVariableIsSet("BENCH_NUR_EIGEN"));
            continue;
        }
        QTemporaryDir ordner;
        SkriptPlattform plattform;
        Programmzustand z;
        z.plattform = &plattform;
        z.Programmpfad = ordner.path() + QStringLiteral("/");
        SheetWidget blatt(nullptr, verhaeltnis);
        GraphCore g(z, blatt);
        Zeichenblatt t;  // used for its table helpers only
        Fuelle(t);
        g.fkt = t.g.fkt;
        g.pkt = t.g.pkt;
        z.AnzFkt = t.z.AnzFkt;
        z.AnzPkt = t.z.AnzPkt;
        g.Überschrift = QStringLiteral("Geraden und Parabeln");
        g.MenüTessarolenEintragen();  // the selection list that the points consult
        const auto neuZeichnen = [&] {
            g.ausgabe->Cls();
            g.Achsen();
            g.TessarolenZeichnen();
            g.PunkteZeichnen();
        };
        const double eigen = MedianMs(n, neuZeichnen);
        if (qEnvironmentVariableIsSet("BENCH_BILD"))
            blatt.Flaeche().Bild().save(qEnvironmentVariable("BENCH_BILD") +
                                        QStringLiteral("-%1.png").arg(int(verhaeltnis)));
        const double cls = MedianMs(n, [&] { g.ausgabe->Cls(); });
        const double achsen = MedianMs(n, [&] { g.Achsen(); });
        const double fkt = MedianMs(n, [&] { g.TessarolenZeichnen(); });
        const double pkt = MedianMs(n, [&] { g.PunkteZeichnen(); });
        std::printf("  parts: clear %.3f, axes %.3f, functions %.3f, points %.3f ms\n", cls, achsen,
                    fkt, pkt);
        Schlicht schlicht(g, blatt.Flaeche(), z.AnzFkt);
        const bool nurEigen = qEnvironmentVariableIsSet("BENCH_NUR_EIGEN");
        const double plain = nurEigen ? 0.0 : MedianMs(n, [&] { schlicht.zeichne(g); });
        std::printf("ratio %.0f: image %dx%d, full redraw median %.3f ms, plain drawLine median %.3f ms, "
                    "%.1fx faster, %zu messages\n",
                    verhaeltnis, blatt.Flaeche().Bild().width(), blatt.Flaeche().Bild().height(),
                    eigen, plain, plain / eigen, plattform.meldungen.size());
        SimSchritt(verhaeltnis, n, nurEigen);
    }
    return 0;
}
