// View, unit, colours, equations, heading and help through the menus, read from the sheet's pixels.

#include "core/deletion_dialogs.h"
#include "core/help_viewer.h"
#include "core/input_dialog.h"
#include "core/platform_qt.h"
#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QHelpIndexWidget>
#include <QtWidgets>

using namespace Qt::StringLiterals;
namespace {
constexpr int32_t Schwarz = 0, Grün = 0x8000, Alt = 0x123456;
const auto& S = StandardFarben;

// Pixels of the colour (-1: any but white) between (x0, y0) and (x1, y1), mm.
int pixel(Fenster& w, float x0, float y0, float x1, float y1, int32_t farbe)
{
    const double s = w.blatt().PixelProMm();
    auto px = [&](float x, float y) { return QPoint(w.k().XPos(x) * s, w.k().YPos(y) * s); };
    const QRect r = QRect(px(x0, y0), px(x1, y1)).normalized();
    const QRgb ziel = farbe < 0 ? qRgb(255, 255, 255) : AlsQColor(farbe).rgb();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (w.blatt().Bild().pixel(x, y) == ziel) != (farbe < 0);
    return n;
}
}  // namespace

class ViewTest : public QObject {
    Q_OBJECT
private slots:
    void colours()
    {
        // Dialog answers (none: the note cancelled; nullopt: Abbrechen), presets, colours after.
        const struct {
            std::deque<std::optional<int32_t>> wahl;
            std::vector<int32_t> vorgaben, farben;
        } fälle[] = {
            {{}, {}, {Alt, S[2], S[3], S[4], S[5], S[6], S[7], S[8], S[9], S[10]}},
            {{1, 2, 2, Grün, 3, S[4], 5, 6, 7, 8, 9, 10},  // repeats and green refused
             {Alt, S[2], S[3], S[3], S[3], S[4], S[5], S[6], S[7], S[8], S[9], S[10]},
             {1, 2, 3, S[4], 5, 6, 7, 8, 9, 10}},
            {{1, 2, 3, 4, std::nullopt}, {Alt, S[2], S[3], S[4], S[5]}, {S.begin() + 1, S.end()}},
        };
        for (const auto& f : fälle) {
            Fenster w;
            w.k().fkt.Farbe[1] = Alt;
            w.plattform.msgAntworten = {f.wahl.size() ? MsgAntwort::OK : MsgAntwort::Abbrechen};
            w.plattform.farbAntworten = f.wahl;
            w.menü("mnuFarben");
            QVERIFY(w.plattform.farbVorgaben == f.vorgaben);
            QVERIFY(std::equal(f.farben.begin(), f.farben.end(), w.k().fkt.Farbe.begin() + 1));
            QCOMPARE(w.plattform.Texte(),
                     QStringList{u"Es können nacheinander die 10 verschiedenen Farben\rfür die "
                                 "Funktionsdarstellung gewählt werden.\rDie jeweils aktuelle "
                                 "Farbe ist im Farbfeld markiert."_s} +
                         QStringList(f.wahl.size() > 5 ? 2 : 0, u"Farbe schon gewählt!"_s));
            const auto& m = w.plattform.meldungen;
            QVERIFY(m[0].symbol == MsgSymbol::Keins && m[0].knoepfe == MsgKnoepfe::OKAbbrechen);
            QVERIFY(m.back().titel == "Hinweis..." &&
                    m.back().symbol == (m.size() > 1 ? MsgSymbol::Information : MsgSymbol::Keins));
        }
        // Qt's colour dialog holds the ten colours in its own field and marks the current one there.
        QList<int32_t> feld;
        for (int i = 0; i < 10; ++i) QColorDialog::setCustomColor(i, Qt::white);  // kept from the last run
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QList<QWidget*> f = d->findChildren<QWidget*>();  // the basic colours' field, then its own
            f.removeIf([](QWidget* w) { return !w->inherits("QWellArray"); });
            for (int i = 0; i < 10; ++i) feld << AlsFarbwert(QColorDialog::customColor(i));
            feld << (f.size() == 2 && d->focusWidget() == (f[0]->y() > f[1]->y() ? f[0] : f[1]));  // marked
            d->reject();
        });
        QVERIFY(!QtPlattform().FarbDialog(Alt, {S[1], Alt, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(feld, (QList<int32_t>{S[1], Alt, 3, 4, 5, 6, 7, 8, 9, 10, true}));
    }

    // With y = x² entered through the menu: units, views, scrolling, hiding equations, heading.
    void sheetCommands()
    {
        Fenster w;
        w.gibEin("mnuScheitelform", {"0", "0"});  // vertex (0|0)
        const QImage start = w.blatt().Bild();
        const int32_t rot = w.k().fkt.Farbe[1];
        for (auto [menü, E, zoom, wert] :  // scroll position in mm
             {std::tuple{"mnuEinheit_1", 5.f, 1.f, 9}, {"mnuEinheit_2", 20, 1, 9},
              {"mnuEinheit_0", 10, 1, 9}, {"mnuGanzeSeite", 10, .5f, 75},
              {"mnuNormalAnsicht", 10, 1, 9}}) {
            w.menü(menü);
            QVERIFY(w.z.Einheit == E && w.k().Zoom == zoom && w.f->VScroll1->Value() == wert);
            QVERIFY(w.f->picSchaubild->y() == SheetWidget::AlsPixel(-wert) &&
                    !w.f->Aktion(QString::fromLatin1(menü))->isChecked());
            // A tick at 1 LE, none half-way; the curve through (1|1) at the new scale.
            QVERIFY(pixel(w, E, 1, E, 1, Schwarz) && !pixel(w, E / 2, 1, E / 2, 1, Schwarz));
            QVERIFY(pixel(w, E - 0.5f, E - 0.5f, E + 0.5f, E + 0.5f, rot) > 0);
            QCOMPARE(w.blatt().Bild() == start, E == 10 && zoom == 1);
        }
        w.f->VScroll1->setSliderDown(true);  // dragging moves the sheet at every step, down to 150 mm
        w.f->VScroll1->setSliderPosition(150);
        QCOMPARE(w.f->picSchaubild->y(), SheetWidget::AlsPixel(-150));
        QTest::keyClick(w.f->VScroll1, Qt::Key_Up), QTest::keyClick(w.f->VScroll1, Qt::Key_PageUp);
        QCOMPARE(w.f->picSchaubild->y(), SheetWidget::AlsPixel(-140));  // 5 mm an arrow, 5 mm a page
        for (bool aus : {true, false}) {
            w.k().FktLöschen().chkLöschen.SetzeHaken(0, true), w.menü("mnuFunktionsgleichungenAusblenden");  // entries anew
            QVERIFY(!w.k().FktLöschen().chkLöschen.Angehakt(0) && w.k().FktWahl().chkFkt.Angehakt(0));
            // The legend's equation stands in the function's exact colour.
            QCOMPARE(pixel(w, -82, 135, -50, 131, rot) > 20, !aus);
            QCOMPARE(w.blatt().Bild() == start, !aus);
            QCOMPARE(w.k().FktWahl().chkFkt(0).text(), aus ? "p1" : "p1:y=x²");
        }
        QVERIFY(w.plattform.meldungen.empty());
        w.plattform.inputAntworten = {u"Aufgabe 7: Parabeln"_s, QString()};  // then cancelled
        for (bool kopf : {true, false}) {
            w.menü("mnuÜberschrift");
            QCOMPARE(pixel(w, -90, 140, 90, 135.2f, -1) > 100, kopf);  // the heading above the grid
        }
        const auto& e = w.plattform.eingaben;
        QVERIFY(e[0].prompt == "Bezeichnung der Aufgabe:" && e[0].titel == "Eingabe...");
        QVERIFY(e[0].vorgabe.isEmpty() && e[1].vorgabe == "Aufgabe 7: Parabeln");
    }

    void help()
    {
        Fenster w;
        w.f->show();
        QVERIFY(QTest::qWaitForWindowActive(w.f.get()));
        w.menü("mnuAnleitung"), QTest::keyClick(w.f.get(), Qt::Key_F1);
        const QString datei = w.z.Programmpfad + "fktHilfe.qhc";
        QCOMPARE(w.plattform.hilfeAufrufe, (std::vector{std::pair{datei, 100}, std::pair{datei, 100}}));
        // The help window itself: a missing file said plainly; once it is there, start page, index.
        QtPlattform p;
        p.HilfeZeigen(datei, 100);
        HilfeFenster* h = nullptr;
        for (QWidget* f : QApplication::topLevelWidgets())
            h = f->objectName() == "dlgHilfe" ? dynamic_cast<HilfeFenster*>(f) : h;
        QVERIFY(h && !h->Geladen() && h->Seite()->toPlainText().contains("wurde nicht gefunden"));
        for (const char* n : {"fktHilfe.qhc", "fktHilfe.qch"}) QFile::copy(QFileInfo(TESSAROLEN_HILFE_PFAD).dir().filePath(n), w.z.Programmpfad + n);
        p.HilfeZeigen(datei, 100);
        QVERIFY(h->Geladen() && h->Reiter()->isVisible() && h->Seite()->source().toString().endsWith("/index.html"));
        QTRY_VERIFY(h->findChild<QHelpIndexWidget*>()->model()->rowCount() > 0);
        QTest::keyClicks(h->Indexsuche(), "Drucken\r");  // the heading asked before printing
        QVERIFY(h->Seite()->toPlainText().contains(QRegularExpression("„Überschrift des Ausdrucks eingeben:“.*Druckdialog")));
    }
};

TESSAROLEN_TEST_MAIN(ViewTest)
#include "test_view.moc"
