// The mouse on the sheet and the dragging of labels, with real mouse events
// on the shown main window.

#include "core/error_log.h"
#include "core/label_drag.h"
#include "core/selection_dialogs.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QFile>
#include <QLabel>

namespace {
struct Maus : Fenster {
    explicit Maus(bool zeiger = true)
    {
        for (const char* n : {"harrow.cur", "hmove.cur"})
            if (zeiger)
                QFile::copy(QStringLiteral(TESSAROLEN_RESOURCES "/") + QLatin1String(n),
                            z.Programmpfad + QLatin1String(n));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    SheetWidget& s() { return f->Blatt(); }
    QPoint mm(double x, double y) { return {SheetWidget::AlsPixel(x), SheetWidget::AlsPixel(y)}; }
    QPoint le(float x, float y) { return mm(k().XPos(z.Einheit * x), k().YPos(z.Einheit * y)); }
    // A pixel near (x, y) in LE that holds the colour, at the upper left
    // edge of its stroke if it has one.
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
    void bewege(QPoint p)
    {
        QTest::mouseMove(&s(), p + QPoint(1, 1));  // a move to the same place is dropped
        QTest::mouseMove(&s(), p);
    }
    void klick(QPoint p, Qt::KeyboardModifiers taste, Qt::MouseButton knopf = Qt::LeftButton)
    {
        bewege(p);
        QTest::mousePress(&s(), knopf, taste, p);
        QTest::mouseRelease(&s(), knopf, taste, p);
    }
    void gerade(float m, float b, float senkrecht = 0.0f)
    {
        const int16_t n = ++z.AnzFkt;
        FunktionsTabelle& t = k().fkt;
        t.m[n] = m;
        t.b[n] = b;
        t.xSenkrecht[n] = t.xSenkrecht2[n] = senkrecht;
        t.FktArt[n] = QStringLiteral("GE");
        k().GeradeZeichnen(n);
        k().MenüFunktionsEinträge(n);
    }
    void punkt(float x, float y)
    {
        Falle falle(z, QStringLiteral("test"));
        k().PunktEintragen(falle, ++z.AnzPkt, x, y, QStringLiteral("P"));
    }
    void neuZeichnen()
    {
        Falle falle(z, QStringLiteral("test"));
        k().NeuZeichnen(falle);
    }
    // A label taken at `griff` (its own pixels), moved through sheet
    // positions and let go at a sheet position.
    void nimm(QLabel* l, QPoint griff) { QTest::mousePress(l, Qt::LeftButton, {}, griff); }
    void führe(QLabel* l, const QList<QPoint>& wege)
    {
        for (const QPoint& p : wege)
            QTest::mouseMove(l, l->mapFrom(&s(), p));
    }
    void lasse(QLabel* l, QPoint p) { QTest::mouseRelease(l, Qt::LeftButton, {}, l->mapFrom(&s(), p)); }
};
}  // namespace

class MouseTest : public QObject {
    Q_OBJECT
private slots:
    void releaseAddsPointOnlyWithShiftAlone()
    {
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier, strg = Qt::ControlModifier;
        const struct {
            Qt::MouseButton knopf;
            Qt::KeyboardModifiers taste;
            int punkte;
        } fälle[] = {{Qt::LeftButton, shift, 1},         {Qt::RightButton, shift, 1},
                     {Qt::LeftButton, shift | strg, 0},  {Qt::LeftButton, Qt::AltModifier, 0},
                     {Qt::LeftButton, shift | Qt::AltModifier, 0}, {Qt::LeftButton, {}, 0}};
        for (const auto& fall : fälle) {
            Maus w;
            w.klick(w.mm(119.5, 128.5), fall.taste, fall.knopf);
            QCOMPARE(w.z.AnzPkt, fall.punkte);
            if (fall.punkte)
                QCOMPARE(w.f->findChild<QLabel*>("PunktBeschriftung_1")->text(), QStringLiteral("P1(2/2)"));
        }
        Maus w;
        for (int i = 1; i <= 11; ++i)
            w.klick(w.le(-4.0f + i * 0.5f, 1.0f), Qt::ShiftModifier);
        QCOMPARE(w.z.AnzPkt, 10);
        QCOMPARE(w.plattform.Texte(), QStringList{QStringLiteral("Es sind maximal 10 Punkte möglich!")});
        QCOMPARE(w.plattform.meldungen[0].titel, QStringLiteral("Hinweis..."));
    }

    void captionAndPointFollowTheGridInBothViews()
    {
        const struct {
            float zoom;
            double x, y;  // sheet mm
            const char* text;
            float px, py;  // the point added there
        } fälle[] = {{1.0f, 119.5, 128.5, "2/2", 2, 2}, {1.0f, 84.5, 153.5, "-1,5/-0,5", -1.5f, -0.5f},
                     {0.5f, 109.75, 138.5, "2/2", 2, 2}, {0.5f, 92.25, 151.0, "-1,5/-0,5", -1.5f, -0.5f}};
        for (const auto& fall : fälle) {
            Maus w;
            w.k().Zoom = fall.zoom;
            w.neuZeichnen();
            w.klick(w.mm(fall.x, fall.y), Qt::ShiftModifier);
            QCOMPARE(w.f->windowTitle(), QStringLiteral("Tessarolen *** aktuelle Mauskoordinaten:(%1)").arg(QLatin1String(fall.text)));
            QCOMPARE((QList<float>{w.k().pkt.PktX[1], w.k().pkt.PktY[1]}), (QList<float>{fall.px, fall.py}));
        }
    }

    void ctrlClickDeletesWhatIsUnderThePointer()
    {
        using A = MsgAntwort;
        const struct {
            const char* fall;
            float einheit, x, y;
            int32_t farbe;
            QList<A> antworten;
            QStringList fragen;
            int fkt, pkt;
        } fälle[] = {
            {"grid line", 10, 0.5f, -4.3f, 0xC0C0C0, {}, {}, 3, 3},
            {"axis", 10, -4.3f, 0.0f, 0x0, {}, {}, 3, 3},
            {"paper", 10, -4.3f, -4.3f, 0xFFFFFF, {}, {}, 3, 3},
            {"function 2, no", 10, -0.5f, -2.0f, 0xFF00, {A::Nein}, {"Funktion: y=2x-1 löschen?"}, 3, 3},
            {"function 2, yes", 10, -0.5f, -2.0f, 0xFF00, {A::Ja}, {"Funktion: y=2x-1 löschen?"}, 2, 3},
            {"cross arm", 5, -1.82f, -3.82f, 0x4000, {}, {}, 3, 3},
            {"two points, yes yes", 10, 3.0f, -3.0f, 0x4000, {A::Ja, A::Ja}, {"Punkt P1 löschen?", "Punkt P2 löschen?"}, 3, 1},
            {"two points, yes no", 10, 3.0f, -3.0f, 0x4000, {A::Ja, A::Nein}, {"Punkt P1 löschen?", "Punkt P2 löschen?"}, 3, 3},
        };
        for (const auto& fall : fälle) {
            Maus w;
            w.z.Einheit = fall.einheit;
            w.k().fkt.FktLabelX[3] = -2.5f;
            w.k().fkt.FktLabelY[3] = 3.0f;
            w.gerade(0.5f, 3.0f);
            w.gerade(2.0f, -1.0f);
            w.gerade(501.0f, 0.0f, -3.0f);
            for (const QPointF& p : {QPointF(3, -3), QPointF(3.05, -3), QPointF(-2, -4)})
                w.punkt(float(p.x()), float(p.y()));
            const QPoint wo = w.beiFarbe(fall.x, fall.y, fall.farbe);
            QVERIFY2(wo.x() >= 0, fall.fall);
            w.plattform.msgAntworten.assign(fall.antworten.begin(), fall.antworten.end());
            w.klick(wo, Qt::ControlModifier);
            QCOMPARE(w.plattform.Texte(), fall.fragen);
            for (const MsgAufruf& m : w.plattform.meldungen)
                QVERIFY(m.symbol == MsgSymbol::Frage && m.knoepfe == MsgKnoepfe::JaNein && m.titel == "Frage...");
            QCOMPARE((QList<int>{w.z.AnzFkt, w.z.AnzPkt}), (QList<int>{fall.fkt, fall.pkt}));
            QCOMPARE(w.k().PktWahl().chkPkt.Existiert(fall.pkt - 1), true);
            if (fall.fkt == 2) {  // the former third: its data, slot 2's colour, its label's place
                QCOMPARE(w.k().fkt.m[2], 501.0f);
                QCOMPARE(w.k().fkt.xSenkrecht[2], -3.0f);
                QCOMPARE(w.blatt().Point(w.k().XPos(-30), w.k().YPos(-20)), 0xFF00);
                QCOMPARE(w.f->findChild<QLabel*>("FunkBeschriftung_2")->pos(), w.le(-2.5f, 3.0f));
                QVERIFY(!w.f->findChild<QLabel*>("FunkBeschriftung_3"));
            }
            if (fall.pkt == 1)
                QCOMPARE(w.k().pkt.PktX[1], -2.0f);
        }
    }

    void droppedLabelKeepsItsPlaceAtEachUnit()
    {
        for (const float einheit : {20.0f, 5.0f, 10.0f})
            for (const bool funktion : {true, false}) {
                Maus w;
                w.z.Einheit = einheit;
                funktion ? w.gerade(0.5f, 1.0f) : w.punkt(1.0f, 1.0f);
                QLabel* l = w.f->findChild<QLabel*>(funktion ? "FunkBeschriftung_1" : "PunktBeschriftung_1");
                const QPoint start = l->pos();
                const QPoint ziel = w.mm(60.0, 100.0);
                w.nimm(l, {3, 2});
                w.führe(l, {start + QPoint(20, 10), ziel - QPoint(5, 5)});
                QCOMPARE(QApplication::overrideCursor()->hotSpot(), QPoint(15, 15));
                QCOMPARE(l->pos(), ziel - QPoint(8, 7));  // it follows the pointer
                w.führe(l, {ziel + QPoint(3, 2)});
                w.lasse(l, ziel + QPoint(3, 2));
                QVERIFY(!QApplication::overrideCursor());
                QCOMPARE(l->cursor().hotSpot(), QPoint(1, 1));
                w.neuZeichnen();
                // Drawn again from the stored place: half a millimetre right.
                QVERIFY((l->pos() - (ziel + QPoint(2, 0))).manhattanLength() <= 1);
            }
    }

    void dropOutsideOrWithoutMovingStoresNothing()
    {
        for (const bool zeiger : {true, false}) {
            Maus w(zeiger);
            w.gerade(0.5f, 1.0f);
            QLabel* l = w.f->findChild<QLabel*>("FunkBeschriftung_1");
            const QPoint start = l->pos();
            const float x = w.k().fkt.FktLabelX[1], y = w.k().fkt.FktLabelY[1];
            w.nimm(l, {3, 2});  // press and release
            w.lasse(l, start + QPoint(3, 2));
            w.nimm(l, {3, 2});
            w.führe(l, {start + QPoint(30, 30), QPoint(w.s().width() + 5, 300)});
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
            w.lasse(l, QPoint(w.s().width() + 5, 300));
            QCOMPARE(l->pos(), start);
            QCOMPARE((QList<float>{w.k().fkt.FktLabelX[1], w.k().fkt.FktLabelY[1]}), (QList<float>{x, y}));
            // Near the left edge it stays 10 mm inside; that place is stored.
            w.nimm(l, {0, 0});
            w.führe(l, {start + QPoint(30, 30), w.mm(3.0, 100.0)});
            w.lasse(l, w.mm(3.0, 100.0));
            QCOMPARE(l->pos().x(), SheetWidget::AlsPixel(10.0));
            QCOMPARE(l->cursor().shape(), zeiger ? Qt::BitmapCursor : Qt::ArrowCursor);
            w.neuZeichnen();
            QCOMPARE(l->pos().x(), SheetWidget::AlsPixel(10.5));
        }
    }

    void marginsOfTheDrop()
    {
        const QSizeF blatt(200, 297), label(20, 5);
        const struct {
            QPointF ecke, steht;
        } fälle[] = {{{3, 100}, {10, 100}},      {{175, 100}, {170.1, 100}}, {{50, 5}, {50, 18.5}},
                     {{50, 280}, {50, 273.65}}, {{2, 290}, {10, 273.65}},   {{10, 18.5}, {10, 18.5}}};
        for (const auto& fall : fälle) {
            const QPointF p = InDenRändern(fall.ecke, label, blatt);
            QVERIFY(qAbs(p.x() - fall.steht.x()) < 1e-9 && qAbs(p.y() - fall.steht.y()) < 1e-9);
        }
    }
};

TESSAROLEN_TEST_MAIN(MouseTest)
#include "test_mouse.moc"
