// The main window after load: menu tree, sheet position, step widths.

#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "core/sheet_widget.h"
#include "main_window/main_window.h"
#include "simulation/step_widths.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionSlider>

namespace {
struct Aufbau {
    SkriptPlattform plattform;
    Programmzustand z;
    std::unique_ptr<frmTessarolen> fenster;
    int beendet = 0;
    Aufbau()
    {
        z.plattform = &plattform;
        z.Programmpfad = QStringLiteral("/opt/tessarolen/");
        fenster = std::make_unique<frmTessarolen>(z);
        fenster->ProgrammBeenden = [this] { ++beendet; };
    }
};

QStringList captions(const QList<QAction*>& aktionen)
{
    QStringList t;
    for (QAction* a : aktionen)
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

// Clicks the up or down arrow of a vertical scroll bar.
void pfeil(QScrollBar* leiste, bool hoch)
{
    QStyleOptionSlider opt;
    opt.initFrom(leiste);
    opt.orientation = Qt::Vertical;
    opt.minimum = leiste->minimum();
    opt.maximum = leiste->maximum();
    opt.sliderPosition = leiste->sliderPosition();
    opt.sliderValue = leiste->value();
    opt.singleStep = leiste->singleStep();
    opt.pageStep = leiste->pageStep();
    opt.subControls = QStyle::SC_All;
    const QRect r = leiste->style()->subControlRect(
        QStyle::CC_ScrollBar, &opt, hoch ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine,
        leiste);
    QTest::mouseClick(leiste, Qt::LeftButton, {}, r.center());
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuTree()
    {
        Aufbau a;
        QCOMPARE(captions(a.fenster->menuBar()->actions()),
                 (QStringList{"Datei", "Ansicht", "Achsen", "Zeichnen", "Löschen", "Besondere Punkte",
                              "Tessarolen aus Punkten", "Simulationen", "Extras", "Anleitung"}));
        auto menü = [&](const char* name) {
            return captions(a.fenster->Menü(QString::fromUtf8(name))->actions());
        };
        QCOMPARE(menü("mnuDatei"), (QStringList{"Überschrift", "-", "Öffnen...", "Speichern unter...",
                                                "-", "Drucken...", "-", "Beenden", "-"}));
        QCOMPARE(menü("mnuAnsicht"), (QStringList{"1:1 Ansicht", "ganze Seite"}));
        QCOMPARE(menü("menuAchsen"), (QStringList{"Achsen zeichnen", "Maßeinheit ändern"}));
        QCOMPARE(menü("mnuMaßeinheitÄndern"),
                 (QStringList{"1 LE = 1 cm", "1 LE = 0,5cm", "1 LE = 2cm"}));
        QCOMPARE(menü("mnuZeichnen"),
                 (QStringList{"Punkt...          Shift+LinksKlick", "-", "Gerade...", "-",
                              "allgemeine Parabel...", "Normalform der Parabel...",
                              "Scheitelform der Parabel..."}));
        QCOMPARE(menü("mnuLöschen"),
                 (QStringList{"Alles", "-", "Punkte...         Strg+LinksKlick", "-",
                              "Tessarolen...  Strg+LinksKlick"}));
        QCOMPARE(menü("mnuSimulation"),
                 (QStringList{"Geraden...", "Allgemeine Parabeln...", "Normalparabeln..."}));
        QCOMPARE(menü("mnuExtras"), (QStringList{"Schrittweiten einstellen...", "-", "Farben",
                                                 "Funktionsgleichungen ausblenden"}));
        // The file entry separator waits for an opened file; every item is
        // reachable by its name.
        QVERIFY(!a.fenster->Aktion(QStringLiteral("mnuZusätze_0"))->isVisible());
        for (const char* name : {"mnuÜberschrift", "mnuÖffnen", "mnuLöscheFunktion", "mnuEinheit_2",
                                 "mnuSchnittpunkte", "mnuFktPkt", "mnuAnleitung", "Linie7"})
            QVERIFY2(a.fenster->Aktion(QString::fromUtf8(name)), name);
    }

    void stateAfterLoad()
    {
        Aufbau a;
        frmTessarolen& f = *a.fenster;
        GraphCore& k = f.Kern();
        QCOMPARE(f.windowTitle(), QStringLiteral("Tessarolen"));
        QCOMPARE(a.z.AnzFkt, int16_t(0));
        QCOMPARE(a.z.AnzPkt, int16_t(0));
        QCOMPARE(a.z.Einheit, 10.0f);
        QCOMPARE(a.z.SimAktiv, false);
        QCOMPARE(k.Zoom, 1.0f);
        QCOMPARE(k.MitteX, 100.0f);
        QCOMPARE(k.MitteY, 148.5f);
        QCOMPARE(k.xHalb, 90.0f);
        QCOMPARE(k.yHalb, 130.0f);
        QCOMPARE(k.Überschrift, QString());
        QCOMPARE(k.fkt.Farbe[1], 0xFF);
        QCOMPARE(k.fkt.Farbe[10], 0x8080);
        // The selection dialogs exist, hidden, from the load on.
        QVERIFY(!k.FktWahl().isVisible());
        QVERIFY(!k.PktWahl().isVisible());
        QCOMPARE(f.HilfeDatei, QStringLiteral("/opt/tessarolen/fktHilfe.hlp"));
        QAction* aus = f.Aktion(QStringLiteral("mnuFunktionsgleichungenAusblenden"));
        QVERIFY(aus->isCheckable());
        QVERIFY(!aus->isChecked());
        // The sheet is scrolled to 9 mm and shows grid and axes.
        QCOMPARE(f.VScroll1->Value(), int16_t(9));
        QCOMPARE(f.VScroll1->Max(), int16_t(150));
        QCOMPARE(f.picSchaubild->y(), SheetWidget::AlsPixel(-9));
        QCOMPARE(f.picSchaubild->size(), QSize(756, 1123));
        QCOMPARE(f.Blatt().Flaeche().Point(100.0f, 148.5f - 50.0f), 0);
        QCOMPARE(f.Blatt().Flaeche().Point(100.0f + 45.0f, 148.5f - 62.5f), 0xC0C0C0);
        f.VScroll1->SetzeValue(75);
        QCOMPARE(f.picSchaubild->y(), SheetWidget::AlsPixel(-75));
        QVERIFY(a.plattform.meldungen.empty());
    }

    void quitting()
    {
        Aufbau a;
        a.fenster->Schrittweiten().show();
        a.fenster->Aktion(QStringLiteral("mnuBeenden"))->trigger();
        QCOMPARE(a.beendet, 1);
        a.fenster->show();
        a.fenster->close();
        QCOMPARE(a.beendet, 2);
    }

    void stepWidthsFromStart()
    {
        Aufbau a;
        // Set by the main window's load, without the dialog ever shown.
        QCOMPARE(a.z.Schrittweite, (std::array<float, 5>{0.05f, 0.5f, 0.05f, 0.5f, 0.5f}));
        frmSchrittweiten& d = a.fenster->Schrittweiten();
        QVERIFY(!d.isVisible());
        QStringList texte;
        for (auto* t : d.txtEingabe1)
            texte << t->text();
        QCOMPARE(texte, (QStringList{"0,05", "0,5", "0,05", "0,5", "0,5"}));
        QCOMPARE(d.windowTitle(), QStringLiteral("Schrittweiten einstellen"));
    }

    void stepWidthSpinners()
    {
        Aufbau a;
        a.fenster->Aktion(QStringLiteral("mnuSchrittweiten"))->trigger();
        frmSchrittweiten& d = a.fenster->Schrittweiten();
        QVERIFY(d.isVisible());
        QVERIFY(!d.isModal());
        // The up arrow of the m bar raises the step width up to 0.10.
        for (int i = 0; i < 7; ++i)
            pfeil(d.VScroll1[0], true);
        QCOMPARE(a.z.Schrittweite[0], 0.10f);
        QCOMPARE(d.txtEingabe1[0]->text(), QStringLiteral("0,1"));
        // The b bar: 0.05 per arrow, 0.10 per page, never below 0.05.
        pfeil(d.VScroll1[1], false);
        QCOMPARE(a.z.Schrittweite[1], 0.45f);
        d.VScroll1[1]->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(a.z.Schrittweite[1], 0.35f);
        for (int i = 0; i < 30; ++i)
            pfeil(d.VScroll1[1], false);
        QCOMPARE(a.z.Schrittweite[1], 0.05f);
        // ys never goes below 0.10.
        for (int i = 0; i < 30; ++i)
            pfeil(d.VScroll1[4], false);
        QCOMPARE(a.z.Schrittweite[4], 0.10f);

        // "Ok" hides and keeps the values for the next showing.
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        a.fenster->Aktion(QStringLiteral("mnuSchrittweiten"))->trigger();
        QCOMPARE(&a.fenster->Schrittweiten(), &d);
        QCOMPARE(d.VScroll1[0]->Value(), int16_t(10));
        QCOMPARE(a.z.Schrittweite[0], 0.10f);

        // The title-bar box drops the dialog; its next showing starts afresh.
        d.close();
        QCOMPARE(a.z.Schrittweite[0], 0.10f);
        a.fenster->Aktion(QStringLiteral("mnuSchrittweiten"))->trigger();
        frmSchrittweiten& neu = a.fenster->Schrittweiten();
        QVERIFY(neu.isVisible());
        QCOMPARE(neu.VScroll1[0]->Value(), int16_t(5));
        QCOMPARE(a.z.Schrittweite, (std::array<float, 5>{0.05f, 0.5f, 0.05f, 0.5f, 0.5f}));
        neu.hide();
    }
};

TESSAROLEN_TEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
