// The main window: menu tree, state after load, quitting, the step-width
// dialog, and the commands that fit the list dialogs to the counts.

#include "core/platform_qt.h"
#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "core/twips.h"
#include "simulation/step_widths.h"
#include "tests/support/test_main.h"
#include "main_window/app_setup.h"
#include "tests/support/window_fixture.h"

namespace {
QStringList captions(const QList<QAction*>& aktionen)
{
    QStringList t;
    for (QAction* a : aktionen)
        t << (a->isSeparator() ? "-" : a->text());
    return t;
}

// Clicks the up or down arrow of a vertical scroll bar.
void pfeil(QScrollBar* leiste, bool hoch)
{
    QStyleOptionSlider o;
    o.initFrom(leiste);
    o.orientation = Qt::Vertical, o.subControls = QStyle::SC_All;
    o.minimum = leiste->minimum(), o.maximum = leiste->maximum(), o.sliderPosition = leiste->sliderPosition();
    const auto teil = hoch ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
    QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->style()->subControlRect(QStyle::CC_ScrollBar, &o, teil, leiste).center());
}

std::array<float, 5> start() { return {0.05f, 0.5f, 0.05f, 0.5f, 0.5f}; }
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuTree()
    {
        Fenster w;
        QCOMPARE(captions(w.f->menuBar()->actions()),
                 (QStringList{"Datei", "Ansicht", "Achsen", "Zeichnen", "Löschen", "Besondere Punkte",
                              "Tessarolen aus Punkten", "Simulationen", "Extras", "Anleitung"}));
        const QList<QStringList> menüs = {
            {"mnuDatei", "Überschrift", "-", "Öffnen...", "Speichern unter...", "-", "Drucken...", "-", "Beenden", "-"},
            {"mnuAnsicht", "1:1 Ansicht", "ganze Seite"}, {"menuAchsen", "Achsen zeichnen", "Maßeinheit ändern"},
            {"mnuMaßeinheitÄndern", "1 LE = 1 cm", "1 LE = 0,5cm", "1 LE = 2cm"},
            {"mnuZeichnen", "Punkt...          Shift+LinksKlick", "-", "Gerade...", "-",
             "allgemeine Parabel...", "Normalform der Parabel...", "Scheitelform der Parabel..."},
            {"mnuLöschen", "Alles", "-", "Punkte...         Strg+LinksKlick", "-", "Tessarolen...  Strg+LinksKlick"},
            {"mnuSimulation", "Geraden...", "Allgemeine Parabeln...", "Normalparabeln..."},
            {"mnuExtras", "Schrittweiten einstellen...", "-", "Farben", "Funktionsgleichungen ausblenden"},
        };
        for (const QStringList& m : menüs)
            QCOMPARE(captions(w.f->Menü(m[0])->actions()), m.mid(1));
        QVERIFY(!w.f->Aktion(QStringLiteral("mnuZusätze_0"))->isVisible());  // waits for an opened file
    }

    void stateAfterLoad()
    {
        Fenster w;
        GraphCore& k = w.k();
        QVERIFY(w.f->windowTitle() == "Tessarolen" && w.z.AnzFkt == 0 && w.z.AnzPkt == 0 && !w.z.SimAktiv);
        QCOMPARE((QList<float>{w.z.Einheit, k.Zoom, k.MitteX, k.MitteY, k.xHalb, k.yHalb}),
                 (QList<float>{10, 1, 100, 148.5f, 90, 130}));
        QCOMPARE(QList<int32_t>(k.fkt.Farbe.begin() + 1, k.fkt.Farbe.begin() + 11),
                 (QList<int32_t>{0xFF, 0xFF00, 0xFF0000, 0x80, 0xC0C0, 0x8080FF, 0xC000C0, 0x40C0, 0x80C0FF, 0x8080}));
        // The step widths are set without the dialog ever shown; the sheet, scrolled to 9 mm, shows grid and axes.
        QVERIFY(!k.FktWahl().isVisible() && !w.f->Schrittweiten().isVisible() && w.z.Schrittweite == start());
        QCOMPARE(w.f->picSchaubild->y(), SheetWidget::AlsPixel(-9));
        QVERIFY(w.f->screen()->availableGeometry() == QRect(0, 0, 800, 600) && QRect(0, 0, 800, 600).contains(w.f->frameGeometry()) &&
                w.f->width() > w.f->picSchaubild->width());  // the window fits the screen, the sheet's width and all
        QVERIFY(w.blatt().Point(100.0f, 98.5f) == 0 && w.blatt().Point(145.0f, 86.0f) == 0xC0C0C0);
        QVERIFY(w.plattform.meldungen.empty());
    }

    // Qt's own dialogs speak German; a box without a title of its own shows
    // the program's title, and the line break character 13 breaks the text.
    void germanMessageBox()
    {
        QVERIFY(LadeDeutscheUebersetzung(*qApp));
        QtPlattform plattform;
        QStringList gesehen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            gesehen << box->windowTitle() << box->text();
            for (QAbstractButton* k : box->buttons()) gesehen << k->text().remove(QChar('&'));
            std::sort(gesehen.begin() + 2, gesehen.end());
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(plattform.MsgBox("Eins\rZwei", MsgSymbol::Frage, MsgKnoepfe::JaNeinAbbrechen, {}), MsgAntwort::Nein);
        QCOMPARE(gesehen, (QStringList{"Tessarolen", "Eins\nZwei", "Abbrechen", "Ja", "Nein"}));
    }

    void quitting()
    {
        Fenster w;
        w.f->Schrittweiten().show(), w.menü("mnuBeenden");  // ends with the step widths open too
        w.f->show(), w.f->close();
        QCOMPARE(w.beendet, 2);  // the menu item and the title-bar box both end the program
    }

    void stepWidthDialog()
    {
        Fenster w;
        w.menü("mnuSchrittweiten");
        frmSchrittweiten& d = w.f->Schrittweiten();
        QVERIFY(d.isVisible() && !d.isModal() && d.txtEingabe1[0]->text() + d.txtEingabe1[4]->text() == "0,050,5");
        // The up arrow raises m's step width to 0.10 and no further.
        for (int i = 0; i < 7; ++i) pfeil(d.VScroll1[0], true);
        QCOMPARE(d.txtEingabe1[0]->text() + ' ' + QString::number(w.z.Schrittweite[0]), QStringLiteral("0,1 0.1"));
        // b: 0.05 per arrow, 0.10 per page, never below 0.05.
        pfeil(d.VScroll1[1], false);
        const float b1 = w.z.Schrittweite[1];
        d.VScroll1[1]->triggerAction(QAbstractSlider::SliderPageStepAdd);
        const float b2 = w.z.Schrittweite[1];
        for (int i = 0; i < 30; ++i) pfeil(d.VScroll1[1], false);
        QCOMPARE((QList<float>{b1, b2, w.z.Schrittweite[1]}), (QList<float>{0.45f, 0.35f, 0.05f}));
        // "Ok" hides and keeps the values; the title-bar box drops it and the next showing starts afresh.
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        w.menü("mnuSchrittweiten");
        QVERIFY(&w.f->Schrittweiten() == &d && w.z.Schrittweite[0] == 0.10f);
        d.close();
        QCOMPARE(w.z.Schrittweite[0], 0.10f);  // values stay until the next showing
        w.menü("mnuSchrittweiten");
        QVERIFY(w.f->Schrittweiten().VScroll1[0]->Value() == 5 && w.z.Schrittweite == start());
    }

    // The list dialogs are fitted to the counts (tops and heights in twips) and shown modally.
    void listDialogLayouts_data()
    {
        QTest::addColumn<QString>("menü");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QList<int>>("oben");  // action buttons ..., "Abbrechen", the height, left and top (whole pixels)
        QTest::addColumn<QStringList>("texte");  // the title, then the buttons' captions
        QTest::newRow("3 functions") << "mnuSchnittpunkte" << 3 << QList<int>{1125, 1380, 1635, 1890, 2145, 2440, 2775, 3690, 540}
            << QStringList{"", "Nullstellen", "Y-Achsenschnittpunkt", "Scheitelkoordinaten", "Schnittpunkte", "Punktprobe", "Abbrechen"};
        QTest::newRow("10 points") << "mnuFktPkt" << 10 << QList<int>{3750, 4005, 4260, 4555, 4890, 5190, 540}
            << QStringList{"", "Gerade aus 2 Punkten", "Parabel aus 2 Punkten", "Abstand zweier Punkte", "Abbrechen"};
        QTest::newRow("0 functions to delete") << "mnuTessarolenLöschen" << 0 << QList<int>{40, 335, 1100, 2895, 540}
            << QStringList{"Tessarolen löschen", "Löschen", "Abbrechen"};
        QTest::newRow("4 points to delete") << "mnuPunkteLöschen" << 4 << QList<int>{1540, 1835, 2600, 2895, 540}
            << QStringList{"Punkte löschen", "Löschen", "Abbrechen"};
    }
    void listDialogLayouts()
    {
        QFETCH(QString, menü); QFETCH(int, anzahl); QFETCH(QList<int>, oben); QFETCH(QStringList, texte);
        Fenster w;
        const auto zeige = [&](int n, QList<int>& ist, QStringList& gezeigt) {
            w.z.AnzFkt = w.z.AnzPkt = int16_t(n);
            w.menü(menü.toUtf8().constData(), [&] {
                auto* d = dynamic_cast<Dialogfenster*>(QApplication::activeModalWidget());
                QList<QPushButton*> knöpfe = d->findChildren<QPushButton*>();
                std::sort(knöpfe.begin(), knöpfe.end(), [](auto* a, auto* b) { return ObenTwips(*a) < ObenTwips(*b); });
                gezeigt << (texte[0].isEmpty() ? "" : d->windowTitle());
                for (QPushButton* k : knöpfe)
                    ist << ObenTwips(*k), gezeigt << k->text();
                ist << d->Höhe() << Twips(d->x()) << Twips(d->y());
                QTest::mouseClick(knöpfe.last(), Qt::LeftButton);
                QVERIFY(!d->isVisible());
            });
        };
        QList<int> ist, mehr;
        QStringList gezeigt, egal;
        zeige(anzahl, ist, gezeigt);
        QCOMPARE(ist, oben);
        QCOMPARE(gezeigt, texte);
        if (anzahl < 10)  // one more entry moves the buttons down by one entry height
            zeige(anzahl + 1, mehr, egal);
        QCOMPARE(mehr.value(0), anzahl < 10 ? oben.first() + 375 : 0);
    }
};

TESSAROLEN_TEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
