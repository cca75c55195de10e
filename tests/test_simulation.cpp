// The simulations through the real menu and window: start values, arrow clicks, keeping and dropping the curve, an
// arrow held beyond the grid, the full table, the flat general parabola, the kept background; the step widths.

#include "core/deletion_dialogs.h"
#include "core/error_log.h"
#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "simulation/simulation.h"
#include "simulation/step_widths.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <map>

namespace {
enum Ende { Ok, Schliessen };
constexpr int32_t Rot = 0xFF, Grün = 0xFF00;  // colours of slots 1 and 2

// Clicks the up (n > 0) or down arrow of a bar |n| times.
void klicke(QScrollBar* l, int n)
{
    for (int k = 0; k < std::abs(n); ++k)
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(l->width() / 2, n > 0 ? 2 : l->height() - 3));
}

// Runs the menu item; `bedienen` acts on the shown window, left by "Ok" or its close box.
void simuliere(Fenster& w, const char* menü, std::function<void(frmSimulation&)> bedienen, Ende ende)
{
    w.menü(menü, [&] {
        frmSimulation& s = w.f->Simulation();
        bedienen(s);
        ende == Ok ? QTest::mouseClick(s.cmdOK, Qt::LeftButton) : QTest::keyClick(&s, Qt::Key_Escape);
        s.hide();
    });
}

// The entries a person sees in a list dialog, "+" after a ticked one.
QStringList haken(QDialog& d)
{
    QStringList s;
    for (QCheckBox* c : d.findChildren<QCheckBox*>())
        if (c->isVisibleTo(&d))
            s << c->text().section(':', 0, 0) + (c->isChecked() ? "+" : "");
    return s;
}

// A click where a person clicks on a control of a dialog.
void klickeAuf(QDialog& d, QWidget& ziel)
{
    QTest::mouseClick(d.windowHandle(), Qt::LeftButton, {}, ziel.pos() + QPoint(8, ziel.height() / 2));
}

// Presses a key on whatever has the focus, and names what has it afterwards.
QString taste(Qt::Key k)
{
    QTest::keyClick(QApplication::focusWidget(), k);
    return QApplication::focusWidget()->objectName();
}

QImage bild(QWidget* w) { return w->grab().toImage(); }

// Whether a frame runs round a bar's picture: every pixel on its outer edge, the corners aside, clearly differs
// in colour from the picture without it.
bool gerahmt(const QImage& mit, const QImage& ohne)
{
    const int w = mit.width() - 1, h = mit.height() - 1;
    for (int x = 0; x <= w; ++x)
        for (int y = 0; y <= h; ++y) {
            const QRgb a = mit.pixel(x, y), b = ohne.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            if ((x % w == 0) != (y % h == 0) && d < 32)  // on one edge only
                return false;
        }
    return true;
}

int32_t farbe(Fenster& w, QPointF le)  // the sheet's colour at a place in LE
{
    const float E = w.z.Einheit;
    return w.blatt().Point(w.k().XPos(E * float(le.x())), w.k().YPos(E * float(le.y())));
}
}  // namespace

class SimulationTest : public QObject {
    Q_OBJECT
private slots:
    void steps()
    {
        const char *G = "mnuSimGerade", *A = "mnuSimAllgParabel", *N = "mnuSimParabel";
        // Menu item, step-width bar positions (none: the start ones), arrow clicks of bars 1 to 3, fields and equation,
        // kind and stored fields of slot 2, a place on the start curve that the last one misses, one on the last (in LE).
        const struct {
            const char* menü; QList<int> schritte; QList<int> klicks; QStringList texte; QString felder; QPointF vorher, aufKurve;
        } fälle[] = {
            {G, {}, {0, 0, 0}, {"1", "0", "", "y = 1x + 0"}, "GE m=1 b=0 a=0", {3, 3}, {3, 3}},
            {G, {}, {0, 1, 0}, {"1", "0,5", "", "y = 1x + 0,5"}, "GE m=1 b=0.5", {-4, -4}, {3, 3.5}},
            {G, {3, 20, 5, 50, 50}, {0, 2, 0}, {"0,99", "0,4", "", "y = 0,99x + 0,4"}, "GE m=0.99 b=0.4", {-5, -4.95}, {5, 5.35}},
            {A, {}, {0, 0, 0}, {"1", "0", "0", "y = 1(x - 0)² + 0"}, "AP a=1 xs=0 ys=0", {2, 4}, {2, 4}},
            {A, {}, {-10, 4, 2}, {"0,5", "2", "1", "y = 0,5(x - 2)² + 1"}, "AP a=0.5 b=2 c=1 xs=2 ys=1 p=0 q=1", {-2, 4}, {4, 3}},
            {A, {5, 50, 8, 25, 30}, {0, 2, -3}, {"0,96", "0,5", "-0,9", "y = 0,96(x - 0,5)² - 0,9"}, "AP a=0.96 b=0.5 c=-0.9 xs=0.5 ys=-0.9 p=0 q=-0.9", {-2, 3.84}, {2.5, 2.94}},
            {N, {}, {0, 0, 0}, {"0", "0", "", "y = (x - 0)² + 0"}, "SP a=1 xs=0 ys=0", {2, 4}, {2, 4}},
            {N, {}, {2, -4, 0}, {"1", "-2", "", "y = (x - 1)² - 2"}, "SP a=1 p=-2 q=-1 xs=1 ys=-2", {-2, 4}, {3, 2}},
            {N, {5, 50, 5, 5, 100}, {3, -2, 0}, {"0,15", "-2", "", "y = (x - 0,15)² - 2"}, "SP a=1 p=-0.3 q=-1.9775 xs=0.15 ys=-2", {-1, 1}, {2.15, 2}},
        };
        for (const auto& [menü, schritte, klicks, texte, felder, vorher, aufKurve] : fälle) {
            Fenster w;
            w.z.AnzFkt = 1;  // y = 2x + 1 already: the curve takes slot 2
            auto& t = w.k().fkt;
            std::tie(t.FktArt[1], t.m[1], t.b[1], t.p[2]) = std::tuple(QString("GE"), 2.0f, 1.0f, 7.0f);  // slot 2: an old p
            for (int i = 0; i < schritte.size(); ++i)
                w.f->Schrittweiten().VScroll1[size_t(i)]->SetzeValue(int16_t(schritte[i]));
            const bool allg = menü == A;
            simuliere(w, menü, [&](frmSimulation& s) {
                QCOMPARE(s.windowTitle(), menü == G ? "Gerade" : allg ? "Allgemeine Parabel" : "Normalparabel");
                QVERIFY(s.pos() == QPoint(620, 36) && s.cmdOK->y() == (allg ? 136 : 102) && s.Höhe() == (allg ? 2925 : 2400));
                const auto zeigt = [&](QWidget* c) { return c->isVisibleTo(&s); };  // the third row only for a, xs, ys
                QVERIFY(zeigt(s.labEingabe3) + zeigt(s.txtEingabe3) + zeigt(s.VScroll3) == 3 * allg &&
                        s.VScroll1->Min() == (menü == G ? 1000 : 100) &&
                        s.VScroll1->Max() == -s.VScroll1->Min() && s.VScroll2->Min() == 100 && s.VScroll2->Max() == -100 &&
                        farbe(w, vorher) == Grün);
                klicke(s.VScroll1, klicks[0]), klicke(s.VScroll2, klicks[1]), klicke(s.VScroll3, klicks[2]);
                QCOMPARE((QStringList{s.txtEingabe1->text(), s.txtEingabe2->text(),
                                      allg ? s.txtEingabe3->text() : "", s.labGleichung->text()}), texte);
                QCOMPARE(t.FktArt[2], felder.left(2));
                const std::map<QString, float> ist{{"m", t.m[2]}, {"b", t.b[2]}, {"a", t.a[2]}, {"c", t.c[2]},
                                                   {"p", t.p[2]}, {"q", t.q[2]}, {"xs", t.xs[2]}, {"ys", t.ys[2]}};
                for (const QString& feld : felder.split(' ').mid(1))
                    QCOMPARE(ist.at(feld.section('=', 0, 0)), feld.section('=', 1).toFloat());
                QCOMPARE(w.z.AnzFkt, int16_t(1));  // the curve is not a function yet
                QCOMPARE(farbe(w, aufKurve), Grün);
                QVERIFY(vorher == aufKurve || farbe(w, vorher) != Grün);  // each step redraws the sheet first
                QVERIFY(w.k().FunkBeschriftung[2] && !w.k().FunkBeschriftung[2]->isHidden());
            }, Schliessen);
            QVERIFY(w.z.AnzFkt == 1 && !w.z.SimAktiv && !w.k().FunkBeschriftung[2] && w.plattform.meldungen.empty());
            QCOMPARE(farbe(w, aufKurve), Grün);  // until the next redraw
        }
    }

    // "Ok", then the same kind with unchanged bars, then another kind on the loaded window, then a dropped
    // curve: the dialogs list only what is kept, and their buttons take the clicks.
    void keepThenOtherKindThenDrop()
    {
        Fenster w;
        simuliere(w, "mnuSimGerade", [](frmSimulation& s) { klicke(s.VScroll2, 2), klicke(s.VScroll2, -2); }, Ok);
        QVERIFY(w.z.AnzFkt == 1 && w.z.SimAktiv && w.k().fkt.FktText[1] == "y=x");
        // Unchanged bars: no step runs, the sheet keeps its picture, "Ok" keeps nothing new.
        w.blatt().PSet(10.0f, 10.0f, Grün);
        simuliere(w, "mnuSimGerade", [](frmSimulation& s) { QVERIFY(s.VScroll1->Value() == 20 && s.labGleichung->text() == "y = 1x + 0"); }, Ok);
        QVERIFY(w.z.AnzFkt == 1 && w.blatt().Point(10.0f, 10.0f) == Grün);
        // Another kind on the loaded window: third row, button, height and bars set anew.
        simuliere(w, "mnuSimAllgParabel", [&](frmSimulation& s) {
            QVERIFY(s.VScroll3->isVisibleTo(&s) && s.Höhe() == 2925 && s.VScroll1->Value() == 20 && s.VScroll1->Min() == 100);
            QVERIFY(w.k().fkt.FktArt[2].isEmpty());  // no bar moved: no step ran
            klicke(s.VScroll1, 1);
        }, Ok);
        simuliere(w, "mnuSimGerade", [](frmSimulation& s) { klicke(s.VScroll2, 1); }, Schliessen);
        QStringList gesehen;
        auto siehUndKlicke = [&](QDialog& d, QWidget& ziel) {  // what a person sees, and a click where they click
            for (QCheckBox* c : d.findChildren<QCheckBox*>())
                gesehen << (c->isVisible() ? c->text() + (c->isChecked() ? "+" : "") : "");
            klickeAuf(d, ziel);
        };
        frmFktWahl& f = w.k().FktWahl();  // each dialog is hidden afterwards in case a click missed
        frmFktLöschen& l = w.k().FktLöschen();
        w.menü("mnuSchnittpunkte", [&] { siehUndKlicke(f, f.cmdAktion(0)), f.hide(); });
        w.menü("mnuTessarolenLöschen", [&] { siehUndKlicke(l, l.chkLöschen(0)), siehUndKlicke(l, l.cmdLöschen()), l.hide(); });
        gesehen.removeAll("");
        QCOMPARE(gesehen, (QStringList{"g1:y=x", "p2:y=1,05x²+", "g1:y=x", "p2:y=1,05x²", "g1:y=x+", "p2:y=1,05x²"}));
        QVERIFY(w.z.AnzPkt == 1 && w.z.AnzFkt == 1 && w.k().fkt.FktArt[1] == "AP");  // both buttons took their click
    }

    // g1, p2, p3 kept; g1 ticked for an analysis and p3 for deletion, both dialogs left by "Abbrechen": a dropped
    // curve leaves both lists as they were, a kept one is ticked as every new function.
    void dropLeavesTicks()
    {
        Fenster w;
        for (const char* menü : {"mnuSimGerade", "mnuSimParabel", "mnuSimParabel"})
            simuliere(w, menü, [](frmSimulation& s) { klicke(s.VScroll2, 1); }, Ok);
        frmFktWahl& f = w.k().FktWahl();
        frmFktLöschen& l = w.k().FktLöschen();
        w.menü("mnuSchnittpunkte", [&] { klickeAuf(f, f.chkFkt(0)), klickeAuf(f, f.chkFkt(2)), klickeAuf(f, f.cmdAbbrechen()), f.hide(); });
        w.menü("mnuTessarolenLöschen", [&] { klickeAuf(l, l.chkLöschen(2)), klickeAuf(l, l.cmdAbbrechen()), l.hide(); });
        const QStringList wahl{"g1+", "p2", "p3"}, löschen{"g1", "p2", "p3+"};
        QVERIFY(haken(f) == wahl && haken(l) == löschen);
        const QStringList mitKurve{"g1+", "p2", "p3", "g4+", "g1", "p2", "p3", "g4"};  // the curve listed as g4
        const auto schritte = [&](frmSimulation& s) {
            klicke(s.VScroll2, 1), klicke(s.VScroll1, 1);
            QCOMPARE(haken(f) + haken(l), mitKurve);
        };
        simuliere(w, "mnuSimGerade", schritte, Schliessen);
        QVERIFY(w.z.AnzFkt == 3 && haken(f) == wahl && haken(l) == löschen);
        simuliere(w, "mnuSimGerade", schritte, Ok);
        QVERIFY(w.z.AnzFkt == 4 && w.k().fkt.m[4] == 1.05f);
        QCOMPARE(haken(f) + haken(l), mitKurve);
        // Dropped with no change: the ticks stay too.
        w.menü("mnuSchnittpunkte", [&] { klickeAuf(f, f.chkFkt(3)), klickeAuf(f, f.cmdAbbrechen()), f.hide(); });
        simuliere(w, "mnuSimParabel", [](frmSimulation&) {}, Schliessen);
        QCOMPARE(haken(f), (QStringList{"g1+", "p2", "p3", "g4"}));
    }

    // g1 y = 0,5x - 1,5 typed in, a line simulated and dropped (b one step up, or up to the notice beyond the grid),
    // then p2 y = x² - 4 typed in: p2 takes values and label place as on a sheet where nothing was simulated.
    void newFunctionAfterDrop()
    {
        const auto p2 = [](int klicks, QStringList& gesehen) {  // klicks < 0: b up until the notice
            Fenster w;
            w.gibEin("mnuLineareFunktion", {"1/2", "-1,5"});
            if (klicks)
                simuliere(w, "mnuSimGerade", [&](frmSimulation& s) {
                    for (int k = 0; klicks > 0 ? k < klicks : w.plattform.meldungen.empty() && k < 100; ++k)
                        klicke(s.VScroll2, 1);
                }, Schliessen);
            QCOMPARE(w.plattform.meldungen.size(), size_t(klicks < 0));
            w.gibEin("mnuNormalform", {"0", "-4"});
            const auto& t = w.k().fkt;
            const QLabel* l = w.k().FunkBeschriftung[2];
            QVERIFY(w.z.AnzFkt == 2 && t.FktArt[2] == "NP" && l && !l->isHidden() && l->text() == "p2");
            gesehen = QStringList{QString::number(t.FktLabelX[2]) + ' ' + QString::number(t.FktLabelY[2]),
                               QString("%1 %2").arg(l->x()).arg(l->y()),
                               QString("%1 %2 %3 %4").arg(t.m[2]).arg(t.b[2]).arg(t.c[2]).arg(t.xSenkrecht[2])};
        };
        QStringList ohne, eins, jenseits;
        p2(0, ohne), p2(1, eins), p2(-1, jenseits);
        QCOMPARE(ohne.value(2), "0 0 0 0");
        QCOMPARE(eins, ohne);
        QCOMPARE(jenseits, ohne);
    }

    void fullTable()
    {
        Fenster w;
        const QImage leer = w.blatt().Bild().copy();  // an empty text draws nothing and leaves the slot alone
        w.k().SimGeradeZeichnen("", " 1"), w.k().SimGeradeZeichnen(" 1", ""), w.k().simNormParabelZeichnen("", " 1"), w.k().simNormParabelZeichnen(" 1", "");
        w.k().simAllgParabelZeichnen("", " 1", " 1"), w.k().simAllgParabelZeichnen(" 1", "", " 1"), w.k().simAllgParabelZeichnen(" 1", " 1", "");
        QVERIFY(w.blatt().Bild() == leer && w.k().fkt.FktArt[1].isEmpty() && !w.k().FunkBeschriftung[1]);
        for (int n = 1; n <= 10; ++n)
            w.k().fkt.FktArt[n] = "GE";  // ten times y = 0
        w.z.AnzFkt = 9;  // the last free slot: a dropped curve takes its label and list entry with it
        simuliere(w, "mnuSimGerade", [](frmSimulation& s) { klicke(s.VScroll2, 1); }, Schliessen);
        QVERIFY(!w.k().FunkBeschriftung[10] && !w.k().FktWahl().chkFkt.Existiert(9) && w.z.AnzFkt == 9);
        w.z.AnzFkt = 10;
        simuliere(w, "mnuSimParabel", [&](frmSimulation& s) { klicke(s.VScroll2, 1), klicke(s.VScroll1, -1); }, Ok);
        QCOMPARE(w.plattform.Texte(), QStringList(3, "Es können nur 10 Tessarolen\rdargestellt werden!"));
        for (const MsgAufruf& m : w.plattform.meldungen)
            QVERIFY(m.symbol == MsgSymbol::Keins && m.knoepfe == MsgKnoepfe::OK && m.titel.isEmpty());
        QCOMPARE(w.z.AnzFkt, int16_t(10));
    }

    // ys from 13 up beyond the grid, the arrow held and moved off and back: one message, the arrow lets go, and
    // a key that gets through while the box's own event loop runs (550 ms) waits until the step is done.
    void heldArrowBeyondGrid()
    {
        Fenster w;
        simuliere(w, "mnuSimParabel", [&](frmSimulation& s) {
            s.VScroll2->SetzeValue(26), w.plattform.Leeren();
            w.plattform.beiMeldung = [&](auto&) { if (w.plattform.meldungen.size() == 1) QTest::qWait(550), QTest::keyClick(s.VScroll2, Qt::Key_Down); };
            QTest::mousePress(s.VScroll2, Qt::LeftButton, {}, {8, 2}), QTest::mouseMove(s.VScroll2, {8, 18}), QTest::mouseMove(s.VScroll2, {8, 2});
            QTest::qWait(200), QTest::mouseRelease(s.VScroll2, Qt::LeftButton, {}, {8, 2});
            QVERIFY(s.VScroll2->Value() == 26 && w.z.AnzFkt == 0 && !w.k().FunkBeschriftung[2]);
        }, Ok);
        QCOMPARE(w.plattform.Texte(), QStringList("Funktionsgraph außerhalb der Zeichenebene!"));
        QVERIFY(w.z.AnzFkt == 1 && w.k().fkt.ys[1] == 13.0f);  // "Ok" keeps the curve on show
    }

    // The bars by keyboard, reached by Tab in the order of the rows and by a click: the bar with the focus shows
    // a frame, arrow keys and page keys move by one step, a key held beyond the grid gives one notice and then
    // stops, as a held arrow does, until that key is released: Shift pressed and released meanwhile changes nothing.
    void keyboard()
    {
        Fenster w;
        simuliere(w, "mnuSimAllgParabel", [&](frmSimulation& s) {
            s.activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &s);
            QTest::mouseClick(s.txtEingabe1, Qt::LeftButton);
            const QImage ohne = bild(s.VScroll1);
            QStringList weg{taste(Qt::Key_Tab)};
            const QImage mit = bild(s.VScroll1);
            weg << QStringList{taste(Qt::Key_Up), taste(Qt::Key_Tab), taste(Qt::Key_Tab), taste(Qt::Key_PageUp),
                               taste(Qt::Key_Tab), taste(Qt::Key_Tab), taste(Qt::Key_PageDown), taste(Qt::Key_Down), taste(Qt::Key_Tab)};
            QVERIFY(gerahmt(mit, ohne) && bild(s.VScroll1) == ohne);
            QCOMPARE(weg, (QStringList{"VScroll1", "VScroll1", "txtEingabe2", "VScroll2", "VScroll2", "txtEingabe3", "VScroll3",
                                       "VScroll3", "VScroll3", "cmdOK"}));
            QCOMPARE(s.labGleichung->text(), "y = 1,05(x - 0,5)² - 1");
            QVERIFY(w.k().fkt.a[1] == 1.05f && w.k().fkt.xs[1] == 0.5f && w.k().fkt.ys[1] == -1.0f);
            QTest::mouseClick(s.VScroll2, Qt::LeftButton, {}, QPoint(s.VScroll2->width() / 2, s.VScroll2->height() - 3));
            QVERIFY(QApplication::focusWidget() == s.VScroll2 && s.txtEingabe2->text() == "0");
        }, Ok);
        QVERIFY(w.z.AnzFkt == 1 && w.k().fkt.FktArt[1] == "AP");
        Fenster v;
        simuliere(v, "mnuSimParabel", [&](frmSimulation& s) {
            s.activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &s);
            s.VScroll2->SetzeValue(26), v.plattform.Leeren();
            QTest::mouseClick(s.txtEingabe2, Qt::LeftButton);
            taste(Qt::Key_Tab);
            QWidget* hat = QApplication::focusWidget();
            const auto wiederholt = [&](Qt::KeyboardModifiers mod) {  // the key's repeats while it is held
                for (int k = 0; k < 3; ++k) {
                    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Up, mod, QString(), true), wieder(QEvent::KeyPress, Qt::Key_Up, mod, QString(), true);
                    QApplication::sendEvent(hat, &los), QApplication::sendEvent(hat, &wieder);
                }
            };
            QTest::keyPress(hat, Qt::Key_Up), wiederholt({});  // ys 13,5: beyond the grid
            QTest::keyPress(hat, Qt::Key_Shift), wiederholt(Qt::ShiftModifier), QTest::keyRelease(hat, Qt::Key_Shift), wiederholt({});
            QVERIFY(s.VScroll2->Value() == 27 && v.plattform.meldungen.size() == 1);
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier), wieder(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(hat, &los), QApplication::sendEvent(hat, &wieder);  // Up let go, a repeat still on its way
            QVERIFY(s.VScroll2->Value() == 28 && v.plattform.meldungen.size() == 2);
            QTest::keyRelease(hat, Qt::Key_Up), QTest::keyClick(hat, Qt::Key_Down), QTest::keyClick(hat, Qt::Key_Down);
            QVERIFY(hat == s.VScroll2 && s.VScroll2->Value() == 26 && s.txtEingabe2->text() == "13");
        }, Ok);
        QCOMPARE(v.plattform.Texte(), QStringList(3, "Funktionsgraph außerhalb der Zeichenebene!"));
        QVERIFY(v.z.AnzFkt == 1 && v.k().fkt.ys[1] == 13.0f);
    }

    // Each step-width bar: its caption and text after one up arrow, and its step width at the start,
    // after that arrow, PageDown, End, the down arrow, Home and the up arrow.
    void stepWidthDialog()
    {
        Fenster w;
        const std::pair<const char*, QList<float>> reihen[] = {
            {"Gerade: Schrittweite Steigung m: 0,06", {.05f, .06f, .05f, .01f, .01f, .1f, .1f, .1f, .01f}},
            {"Gerade: Schrittweite Achsenabschnitt b: 0,55", {.5f, .55f, .45f, .05f, .05f, 1, 1, 1, .05f}},
            {"Parabeln: Schrittweite Dehnungsfaktor a: 0,06", {.05f, .06f, .05f, .01f, .01f, .1f, .1f, .1f, .01f}},
            {"Parabeln: Schrittweite Scheitelkoordinate xs: 0,55", {.5f, .55f, .5f, .05f, .05f, 1, 1, 1, .05f}},
            {"Parabeln: Schrittweite Scheitelkoordinate ys: 0,55", {.5f, .55f, .5f, .1f, .1f, 1, 1, 1, .1f}},
        };
        for (size_t i = 0; i < 5; ++i) {
            frmSchrittweiten& d = w.f->Schrittweiten();
            QList<float> ist{w.z.Schrittweite[i]};
            klicke(d.VScroll1[i], 1), ist << w.z.Schrittweite[i];
            const QString rahmen = static_cast<QGroupBox*>(d.labEingabe1[i]->parentWidget())->title();
            QCOMPARE(rahmen + ": " + d.labEingabe1[i]->text() + " " + d.txtEingabe1[i]->text(), QString(reihen[i].first));
            for (auto taste : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Down, Qt::Key_Home, Qt::Key_Up})
                QTest::keyClick(d.VScroll1[i], taste), ist << w.z.Schrittweite[i];
            auto* b = d.VScroll1[i];  // the thumb dragged to the bottom end counts once let go
            b->setSliderDown(true), b->setSliderPosition(b->maximum()), ist << w.z.Schrittweite[i];
            b->setSliderDown(false), ist << w.z.Schrittweite[i];
            QCOMPARE(ist, reihen[i].second);
        }
        QCOMPARE(w.f->Schrittweiten().windowTitle(), "Schrittweiten einstellen");
        // From the start, Tab to each bar in turn and one Page Up on it; it shows a frame while it has the focus.
        Fenster v;
        v.menü("mnuSchrittweiten");
        frmSchrittweiten& d = v.f->Schrittweiten();
        d.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &d);
        QTest::mouseClick(d.txtEingabe1[0], Qt::LeftButton);
        QStringList gesehen;
        for (size_t i = 0; i < 5; ++i) {
            const QImage ohne = bild(d.VScroll1[i]);
            QStringList schritt{taste(Qt::Key_Tab)};
            QVERIFY(gerahmt(bild(d.VScroll1[i]), ohne));
            schritt << taste(Qt::Key_PageUp) << d.txtEingabe1[i]->text() << taste(Qt::Key_Tab);
            QVERIFY(bild(d.VScroll1[i]) == ohne);
            gesehen << schritt.join(' ');
        }
        QCOMPARE(gesehen, (QStringList{"VScroll1_0 VScroll1_0 0,06 txtEingabe1_1", "VScroll1_1 VScroll1_1 0,6 txtEingabe1_2",
                                       "VScroll1_2 VScroll1_2 0,06 txtEingabe1_3", "VScroll1_3 VScroll1_3 0,55 txtEingabe1_4",
                                       "VScroll1_4 VScroll1_4 0,55 cmdOK"}));
        QCOMPARE(QList<float>(v.z.Schrittweite.begin(), v.z.Schrittweite.end()), (QList<float>{.06f, .6f, .06f, .55f, .55f}));
    }

    // A general parabola kept at a = 0 stays the line y = ys at every redraw; the redraws that
    // put back the kept grid match one from scratch, also after the heading or unit changed.
    void flatParabolaAndKeptBackground()
    {
        Fenster w;
        // Leaves y = x in slot 1. The window's own plots: y = 2x - 0,5 and y = 2(x - 1)² - 3, cut at the grid.
        simuliere(w, "mnuSimGerade", [&](frmSimulation& s) {
            s.ZeichneGerade(2, -0.5), s.ZeichneParabel(2, 1, -3);
            for (auto [x, y, an] : {std::tuple{2.2, 3.9, true}, {2.2, 4.2, false}, {6.9, 13.3, false}, {3.2, 6.68, true}})
                QVERIFY((farbe(w, {x, y}) != 0xFFFFFF) == an);
        }, Schliessen);
        simuliere(w, "mnuSimAllgParabel", [&](frmSimulation& s) {
            klicke(s.VScroll1, -20), klicke(s.VScroll3, 3);
            QCOMPARE(s.labGleichung->text(), QString("y = 0(x - 0)² + 1,5"));
        }, Ok);
        const auto& t = w.k().fkt;
        QCOMPARE((QList<float>{t.a[1], t.m[1], t.b[1], t.ys[1]}), (QList<float>{0, 0, 1.5f, 1.5f}));
        Falle falle(w.z, "test");
        for (int schritt = 0; schritt < 3; ++schritt) {
            w.k().Überschrift = schritt ? "Parabeln" : "", w.z.Einheit = schritt == 2 ? 5.0f : 10.0f;
            w.k().NeuZeichnen(falle);
            QVERIFY(farbe(w, {3, 1.5}) == Rot && farbe(w, {3, 3}) != Rot);
            const QImage gemerkt = w.blatt().Bild().copy();
            w.blatt().Cls(), w.k().Achsen(), w.k().TessarolenZeichnen(), w.k().PunkteZeichnen();
            QVERIFY(gemerkt == w.blatt().Bild());
        }
    }
};

TESSAROLEN_TEST_MAIN(SimulationTest)
#include "test_simulation.moc"
