// The mouse on the sheet and the dragging of labels, with real mouse events on the shown main window.

#include "core/cursor_file.h"
#include "core/error_log.h"
#include "core/label_drag.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QFile>
#include <QLabel>

namespace {
struct Maus : Fenster {
    Falle falle{z, QStringLiteral("test")};
    explicit Maus(bool zeiger = true)
    {
        for (const QString n : {"harrow.cur", "hmove.cur"})
            zeiger && QFile::copy(QStringLiteral(TESSAROLEN_RESOURCES "/") + n, z.Programmpfad + n);
        QFile bewegen(z.Programmpfad + "hmove.cur");  // its hot spot (15, 15) made (15, 4)
        zeiger && bewegen.open(QIODevice::ReadWrite) && bewegen.seek(12) && bewegen.write("\4", 1);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    SheetWidget& s() { return f->Blatt(); }
    QLabel* label(const char* name) { return f->findChild<QLabel*>(name); }
    QPoint mm(double x, double y) { return {SheetWidget::AlsPixel(x), SheetWidget::AlsPixel(y)}; }
    QPoint le(float x, float y) { return mm(k().XPos(z.Einheit * x), k().YPos(z.Einheit * y)); }
    // A pixel near (x, y) in LE in the colour, at the upper left edge of its stroke if it has one.
    QPoint beiFarbe(float x, float y, int32_t farbe)
    {
        const auto hat = [&](QPoint p) { return blatt().Bild().pixel(p) == AlsQColor(farbe).rgb(); };
        for (const bool rand : {true, false})
            for (int r = 0; r <= 5; ++r)
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx)
                        if (const QPoint p = le(x, y) + QPoint(dx, dy);
                            hat(p) && !(rand && (hat(p - QPoint(1, 0)) || hat(p - QPoint(0, 1)))))
                            return p;
        return {-1, -1};
    }
    void klick(QPoint p, Qt::KeyboardModifiers taste, Qt::MouseButton knopf = Qt::LeftButton)
    {
        QTest::mouseMove(&s(), p + QPoint(1, 1)), QTest::mouseMove(&s(), p);  // a move in place is dropped
        QTest::mouseClick(&s(), knopf, taste, p);
    }
    void gerade(float m, float b, float senkrecht = 0.0f)
    {
        const int16_t n = ++z.AnzFkt;
        std::tie(k().fkt.FktArt[n], k().fkt.m[n], k().fkt.b[n], k().fkt.xSenkrecht[n], k().fkt.xSenkrecht2[n]) =
            std::tuple(QStringLiteral("GE"), m, b, senkrecht, senkrecht);
        k().GeradeZeichnen(n), k().MenüFunktionsEinträge(n);
    }
    void punkt(float x, float y) { k().PunktEintragen(falle, ++z.AnzPkt, x, y, QStringLiteral("P")); }
    // A label taken at `griff` of its own pixels, led through sheet positions, let go at one.
    void nimm(QLabel* l, QPoint griff = {3, 2}) { QTest::mousePress(l, Qt::LeftButton, {}, griff); }
    void führe(QLabel* l, const QList<QPoint>& wege) { for (QPoint p : wege) QTest::mouseMove(l, l->mapFrom(&s(), p)); }
    void lasse(QLabel* l, QPoint p) { führe(l, {p}), QTest::mouseRelease(l, Qt::LeftButton, {}, l->mapFrom(&s(), p)); }
};
}  // namespace

class MouseTest : public QObject {
    Q_OBJECT
private slots:
    // Caption and new point match the grid in both views; only Shift alone adds one, with any button.
    void releaseAddsPointAtTheCaptionsPosition()
    {
        const Qt::KeyboardModifiers S = Qt::ShiftModifier, C = Qt::ControlModifier, A = Qt::AltModifier;
        const Qt::MouseButton L = Qt::LeftButton;
        const struct {
            float zoom; double x, y; Qt::MouseButton knopf; Qt::KeyboardModifiers taste; QString text;  // mm; caption
        } fälle[] = {{1, 119.5, 128.5, L, S, "2/2"},      {1, 84.5, 153.5, Qt::RightButton, S, "-1,5/-0,5"},
                     {0.5f, 109.75, 138.5, L, S, "2/2"}, {0.5f, 92.25, 151.0, L, S, "-1,5/-0,5"},
                     {1, 119.5, 128.5, L, S | C, "2/2"},  {1, 119.5, 128.5, L, A, "2/2"},
                     {1, 119.5, 128.5, L, S | A, "2/2"},  {1, 119.5, 128.5, L, {}, "2/2"}};
        for (const auto& fall : fälle) {
            Maus w;
            w.k().Zoom = fall.zoom;
            w.k().NeuZeichnen(w.falle);
            w.klick(w.mm(fall.x, fall.y), fall.taste, fall.knopf);
            QCOMPARE(w.f->windowTitle(), "Tessarolen *** aktuelle Mauskoordinaten:(" + fall.text + ")");
            QCOMPARE(w.z.AnzPkt, int(fall.taste == S));
            QVERIFY(!w.z.AnzPkt || w.label("PunktBeschriftung_1")->text() == "P1(" + fall.text + ")");
        }
        Maus w;
        for (int i = 1; i <= 11; ++i)
            w.klick(w.le(-4.0f + i * 0.5f, 1.0f), Qt::ShiftModifier);
        QCOMPARE(w.plattform.Texte(), QStringList{"Es sind maximal 10 Punkte möglich!"});
        QVERIFY(w.z.AnzPkt == 10 && w.plattform.meldungen[0].titel == "Hinweis...");
    }

    void ctrlClickDeletesWhatIsUnderThePointer()
    {
        using A = MsgAntwort;
        const QStringList F = {"Funktion: y=2x-1 löschen?"}, P = {"Punkt P2 löschen?", "Punkt P3 löschen?"};
        const struct {  // where in LE and what is there, the answers, the questions, what is left
            float einheit, x, y; int32_t farbe; QList<A> antworten; QStringList fragen; int fkt, pkt;
        } fälle[] = {
            {10, 0.5f, -4.3f, 0xC0C0C0, {}, {}, 3, 3}, {10, -4.3f, 0.0f, 0x0, {}, {}, 3, 3},  // grid line, axis
            {10, -4.3f, -4.3f, 0xFFFFFF, {}, {}, 3, 3},  // paper
            {10, -3, 2, 0xFF0000, {A::Ja}, {"Funktion: -3 = x löschen?"}, 2, 3},  // the last function
            {10, -0.5f, -2, 0xFF00, {A::Nein}, F, 3, 3}, {10, -0.5f, -2, 0xFF00, {A::Ja}, F, 2, 3},
            {5, -1.82f, -3.82f, 0x4000, {}, {}, 3, 3},  // cross arm, 0.2 LE from its point
            {10, 3, -3, 0x4000, {A::Ja, A::Ja}, P, 3, 1}, {10, 3, -3, 0x4000, {A::Ja, A::Nein}, P, 3, 3},
        };
        for (const auto& fall : fälle) {
            Maus w;
            w.z.Einheit = fall.einheit;
            w.gerade(0.5f, 3.0f), w.gerade(2.0f, -1.0f), w.gerade(501.0f, 0.0f, -3.0f);
            w.punkt(-2, -4), w.punkt(3, -3), w.punkt(3.05f, -3);  // the last ones hit
            const QPoint wo = w.beiFarbe(fall.x, fall.y, fall.farbe);
            QVERIFY(wo.x() >= 0);
            w.plattform.msgAntworten.assign(fall.antworten.begin(), fall.antworten.end());
            w.klick(wo, Qt::ControlModifier);
            QCOMPARE(w.plattform.Texte(), fall.fragen);
            for (const MsgAufruf& m : w.plattform.meldungen)
                QVERIFY(m.symbol == MsgSymbol::Frage && m.knoepfe == MsgKnoepfe::JaNein && m.titel == "Frage...");
            QCOMPARE((QList<int>{w.z.AnzFkt, w.z.AnzPkt}), (QList<int>{fall.fkt, fall.pkt}));
            QVERIFY(fall.fkt == 3 || w.k().fkt.m[2] == (fall.farbe == 0xFF00 ? 501 : 2));  // the third moved up, or went
            QVERIFY(fall.pkt == 3 || w.k().pkt.PktX[1] == -2.0f);        // the third point is left
        }
        // At 1 LE = 0,5cm the caption rounds half to even, -0,02 to 0; a point is hit within 0.1 LE, bounds included and
        // summed in 32-bit floats (0.2 + 0.1 reaches 0.3, 1.4 - 0.1 reaches 1.3). Clicked on the cross of P1.
        Maus w;
        w.z.Einheit = 5, w.punkt(0.2f, 0.2f), w.punkt(0.4f, 0.4f), w.punkt(1.4f, 1.4f), w.punkt(1.2f, 1.2f), w.punkt(0.2f, 0.5f);
        for (auto [x, y, text, fragen] : {std::tuple<float, float, QString, QStringList>{101, 147, "0,3/0,3",
            {"Punkt P1 löschen?", "Punkt P2 löschen?"}}, {106, 142, "1,3/1,3", {"Punkt P3 löschen?",
            "Punkt P4 löschen?"}}, {100.75f, 152.25f, "0,2/-0,8", {}}, {99.4f, 148.6f, "0/0", {}}}) {
            w.plattform.Leeren(), w.plattform.msgAntworten = {MsgAntwort::Ja, MsgAntwort::Nein};
            w.f->picSchaubild_MouseMove(x, y), w.f->picSchaubild_MouseUp(Qt::LeftButton, Qt::ControlModifier, 101, 147.5f);
            QVERIFY(w.f->windowTitle() == "Tessarolen *** aktuelle Mauskoordinaten:(" + text + ")" && w.plattform.Texte() == fragen && w.z.AnzPkt == 5);
        }
    }

    void labelsAreDraggedWithinTheSheet()
    {
        const struct { float einheit, zoom; bool funktion, zeiger; QPoint griff; } fälle[] = {  // cursor files there; taken at
            {20, 1, 1, 1, {9, 2}}, {5, 1, 1, 1, {2, 7}}, {10, 1, 1, 0, {9, 2}}, {5, 1, 0, 1, {9, 2}}, {20, 1, 0, 0, {2, 7}},
            {10, .5f, 1, 1, {9, 2}}, {5, .5f, 0, 1, {2, 7}}};
        for (const auto& fall : fälle) {
            Maus w(fall.zeiger);
            w.z.Einheit = fall.einheit, w.menü(fall.zoom < 1 ? "mnuGanzeSeite" : "mnuNormalAnsicht");
            w.punkt(1.0f, 1.0f), w.gerade(0.5f, 1.0f), w.punkt(-1.0f, -1.0f);
            QLabel* l = w.label(fall.funktion ? "FunkBeschriftung_1" : "PunktBeschriftung_1");
            const QPoint start = l->pos(), draußen(w.s().width() + 5, 300), ziel = w.mm(60, 100);
            w.nimm(l, fall.griff), w.lasse(l, start + fall.griff);  // press and release: no drag
            w.nimm(l, fall.griff), w.führe(l, {start + QPoint(20, 10), draußen});  // let go beside the sheet: back
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
            w.lasse(l, draußen);
            QCOMPARE(l->pos(), start);
            w.k().NeuZeichnen(w.falle);  // nothing stored
            QCOMPARE(l->pos(), start);
            w.nimm(l, fall.griff), w.führe(l, {start + QPoint(20, 10), ziel - QPoint(5, 5)});
            QCOMPARE(w.s().children().constLast(), l);  // above the labels made after it
            QCOMPARE(QApplication::overrideCursor()->hotSpot(), fall.zeiger ? QPoint(15, 4) : QPoint());
            QCOMPARE(l->pos(), ziel - QPoint(5, 5) - fall.griff);  // it follows the pointer
            w.lasse(l, ziel);  // at rest: the pointer of harrow.cur, hot spot (1, 1)
            QVERIFY(!QApplication::overrideCursor() && l->cursor().shape() == (fall.zeiger ? Qt::BitmapCursor : Qt::ArrowCursor) &&
                    l->cursor().hotSpot() == QPoint(fall.zeiger, fall.zeiger));
            w.k().NeuZeichnen(w.falle);  // from the stored place: half a millimetre right
            QCOMPARE(l->pos(), ziel - fall.griff + QPoint(fall.zoom < 1 ? 1 : 2, 0));
            // Dropped beside the grid it stays inside the sheet's margins, stored so and shown so in both views.
            w.nimm(l, {0, 0}), w.führe(l, {ziel + QPoint(-20, 0)}), w.lasse(l, w.mm(3, fall.zoom < 1 ? 80 : 12));
            QCOMPARE(fall.funktion ? QPointF(w.k().fkt.FktLabelX[1], w.k().fkt.FktLabelY[1]) : QPointF(w.k().pkt.PktLabelX[1],
                     w.k().pkt.PktLabelY[1]), QPointF(-89.5f / fall.einheit, 130 / fall.einheit));
            w.nimm(l, {0, 0}), w.führe(l, {ziel + QPoint(20, 0)}), w.lasse(l, w.mm(198, fall.zoom < 1 ? 222 : 150));
            for (const char* ansicht : {"mnuGanzeSeite", "mnuNormalAnsicht"}) {
                w.menü(ansicht);
                const double z = w.k().Zoom, px = SheetWidget::PixelProMm() * z;  // a pixel in mm, the slack
                const QRectF r(QPointF(l->pos()) / px - QPointF(100, 148.5) / z + QPointF(100, 148.5), QSizeF(l->size()) / px);
                QVERIFY(r.right() > 189 && r.right() <= 190.6 + 1 / px && r.bottom() <= 278.65 + 1 / px && (fall.zoom == 1 || r.bottom() > 277.6));
            }
        }
    }

    void marginsOfTheDropAndCursorFile()  // a 20 x 5 mm label, each margin beyond and at its exact bound
    {
        for (auto [ecke, steht] : {std::pair<QPointF, QPointF>{{3, 100}, {10, 100}}, {{175, 100}, {170.1, 100}},
            {{50, 5}, {50, 18.5}}, {{50, 280}, {50, 273.65}}, {{2, 290}, {10, 273.65}},
            {{10, 18.5}, {10, 18.5}}, {{170, 273.5}, {170, 273.5}}, {{170.05, 273.55}, {170.1, 273.65}}})
            QVERIFY((InDenRändern(ecke, {20, 5}, {200, 297}) - steht).manhattanLength() < 1e-9);
        QTemporaryDir d;  // a 32 x 32 cursor, its hot spot (15, 15) made (15, 31), then (15, 32) beyond the picture
        QFile f(d.filePath("z.cur"));
        QVERIFY(QFile::copy(TESSAROLEN_RESOURCES "/hmove.cur", f.fileName()) && f.open(QIODevice::ReadWrite));
        for (const char y : {31, 32}) {
            const bool neu = f.seek(12) && f.write(&y, 1) && f.flush();
            const auto c = LadeCursor(f.fileName());
            QVERIFY(neu && (y == 32 ? !c : c && c->hotSpot() == QPoint(15, 31)));
        }
    }
};

TESSAROLEN_TEST_MAIN(MouseTest)
#include "test_mouse.moc"
