// View, unit, colours, equations, heading and help through the main window's
// menus, read from the sheet's pixels and the scripted dialogs.

#include "app_info.h"
#include "core/deletion_dialogs.h"
#include "core/help_viewer.h"
#include "core/input_dialog.h"
#include "core/platform_qt.h"
#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QCheckBox>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace {
constexpr int32_t Schwarz = 0, Grün = 0x8000, Alt = 0x123456;
const auto& S = StandardFarben;

// y = x² through "Scheitelform der Parabel..." with the vertex (0|0).
void parabel(Fenster& w)
{
    w.menü("mnuScheitelform", [&] {
        frmEingabe& d = w.k().Eingabe();
        QTest::keyClicks(d.txtEingabe1, "0");
        QTest::keyClicks(d.txtEingabe2, "0");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    });
}

// Pixels of the colour (-1: any but white) between (x0, y0) and (x1, y1), mm.
int pixel(Fenster& w, float x0, float y0, float x1, float y1, int32_t farbe)
{
    const QImage& bild = w.blatt().Bild();
    const double s = w.blatt().PixelProMm();
    auto px = [&](float x, float y) { return QPoint(w.k().XPos(x) * s, w.k().YPos(y) * s); };
    const QRect r = QRect(px(x0, y0), px(x1, y1)).normalized();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += farbe < 0 ? bild.pixel(x, y) != qRgb(255, 255, 255)
                           : bild.pixel(x, y) == AlsQColor(farbe).rgb();
    return n;
}
}  // namespace

class ViewTest : public QObject {
    Q_OBJECT
private slots:
    void colours()
    {
        struct Fall {
            const char* name;
            MsgAntwort hinweis;
            std::deque<std::optional<int32_t>> antworten;
            std::vector<int32_t> vorgaben, farben;
        };
        const Fall fälle[] = {
            {"Cancel in the note keeps all", MsgAntwort::Abbrechen, {}, {},
             {Alt, S[2], S[3], S[4], S[5], S[6], S[7], S[8], S[9], S[10]}},
            {"repeated colour and green are refused", MsgAntwort::OK,
             {1, 2, 2, Grün, 3, S[4], S[5], S[6], S[7], S[8], S[9], S[10]},
             {Alt, S[2], S[3], S[3], S[3], S[4], S[5], S[6], S[7], S[8], S[9], S[10]},
             {1, 2, 3, S[4], S[5], S[6], S[7], S[8], S[9], S[10]}},
            {"Abbrechen in the fifth dialog", MsgAntwort::OK, {1, 2, 3, 4, std::nullopt},
             {Alt, S[2], S[3], S[4], S[5]}, {S.begin() + 1, S.end()}},
        };
        for (const Fall& f : fälle) {
            Fenster w;
            w.k().fkt.Farbe[1] = Alt;
            w.plattform.msgAntworten = {f.hinweis};
            w.plattform.farbAntworten = f.antworten;
            w.menü("mnuFarben");
            QVERIFY2(w.plattform.farbVorgaben == f.vorgaben, f.name);
            QVERIFY2(std::equal(f.farben.begin(), f.farben.end(), w.k().fkt.Farbe.begin() + 1),
                     f.name);
            QStringList texte{"Es können nacheinander die 10 verschiedenen Farben\rfür die "
                              "Funktionsdarstellung gewählt werden.\rDie jeweils aktuelle Farbe "
                              "ist im Farbfeld markiert."};
            if (f.antworten.size() > 5)
                texte << "Farbe schon gewählt!" << "Farbe schon gewählt!";
            QCOMPARE(w.plattform.Texte(), texte);
            const auto& m = w.plattform.meldungen;
            QVERIFY(m[0].symbol == MsgSymbol::Keins && m[0].knoepfe == MsgKnoepfe::OKAbbrechen);
            QVERIFY(m.back().titel == "Hinweis..." &&
                    m.back().symbol == (m.size() > 1 ? MsgSymbol::Information : MsgSymbol::Keins));
        }
    }

    // Without and with a function: units, views, scrolling, hiding equations.
    void sheetCommands()
    {
        for (bool mitFunktion : {false, true}) {
            Fenster w;
            if (mitFunktion)
                parabel(w);
            const QImage start = w.blatt().Bild();
            const int32_t rot = w.k().fkt.Farbe[1];
            const std::pair<const char*, float> einheiten[] = {
                {"mnuEinheit_1", 5}, {"mnuEinheit_2", 20}, {"mnuEinheit_0", 10}};
            for (const auto& [menü, E] : einheiten) {
                w.menü(menü);
                QVERIFY(w.z.Einheit == E && !w.f->Aktion(QString::fromLatin1(menü))->isChecked());
                // A tick at 1 LE, none half-way; the curve through (1|1) at the new scale.
                QVERIFY(pixel(w, E, 1, E, 1, Schwarz) && !pixel(w, E / 2, 1, E / 2, 1, Schwarz));
                QCOMPARE(pixel(w, E - 0.5f, E - 0.5f, E + 0.5f, E + 0.5f, rot) > 0, mitFunktion);
            }
            QCOMPARE(w.blatt().Bild(), start);
            using Ansicht = std::tuple<const char*, float, int>;
            for (auto [menü, zoom, wert] : {Ansicht{"mnuGanzeSeite", 0.5f, 75},
                                            Ansicht{"mnuNormalAnsicht", 1.0f, 9}}) {
                w.menü(menü);
                QVERIFY(w.k().Zoom == zoom && w.f->VScroll1->Value() == wert &&
                        w.f->picSchaubild->y() == SheetWidget::AlsPixel(-wert));
                QCOMPARE(w.blatt().Bild() == start, zoom == 1.0f);
            }
            w.f->VScroll1->setSliderDown(true);  // dragging moves the sheet at every step
            w.f->VScroll1->setSliderPosition(40);
            QCOMPARE(w.f->picSchaubild->y(), SheetWidget::AlsPixel(-40));

            QAction* aus = w.f->Aktion(QStringLiteral("mnuFunktionsgleichungenAusblenden"));
            for (bool verborgen : {true, false}) {
                w.menü("mnuFunktionsgleichungenAusblenden");
                QVERIFY(aus->isChecked() == verborgen && w.k().GleichungenAus == verborgen);
                // The legend's equation stands in the function's exact colour.
                const bool gleichung = mitFunktion && !verborgen;
                QCOMPARE(pixel(w, -82, 135, -50, 131, rot) > 20, gleichung);
                QCOMPARE(w.blatt().Bild() == start, !mitFunktion || gleichung);
                if (mitFunktion) {
                    const QString eintrag = gleichung ? "p1:y=x²" : "p1";
                    QCOMPARE(w.k().FktWahl().chkFkt(0).text(), eintrag);
                    QCOMPARE(w.k().FktLöschen().chkLöschen(0).text(), eintrag);
                    QVERIFY(!w.k().FktWahl().chkFkt.Existiert(1));
                }
            }
            QVERIFY(w.plattform.meldungen.empty());
        }
    }

    void headingEnteredThenCancelled()
    {
        Fenster w;
        w.plattform.inputAntworten = {QStringLiteral("Aufgabe 7: Parabeln"), QString()};
        w.menü("mnuÜberschrift");
        QVERIFY(pixel(w, -90, 140, 90, 135.2f, -1) > 100);
        w.menü("mnuÜberschrift");
        QCOMPARE(pixel(w, -90, 140, 90, 135.2f, -1), 0);
        const auto& e = w.plattform.eingaben;
        QVERIFY(e[0].prompt == "Bezeichnung der Aufgabe:" && e[0].titel == "Eingabe...");
        QVERIFY(e[0].vorgabe.isEmpty() && e[1].vorgabe == "Aufgabe 7: Parabeln");
    }

    void help()
    {
        Fenster w;
        w.f->show();
        QVERIFY(QTest::qWaitForWindowActive(w.f.get()));
        w.menü("mnuAnleitung");
        QTest::keyClick(w.f.get(), Qt::Key_F1);
        const std::pair<QString, int> aufruf{w.z.Programmpfad + app_info::HilfeDatei, 100};
        QCOMPARE(w.plattform.hilfeAufrufe, (std::vector{aufruf, aufruf}));

        // The help window itself: start page, index; a missing file said plainly.
        QtPlattform p;
        p.HilfeZeigen(w.z.Programmpfad + "fehlt.qhc", 100);
        HilfeFenster* h = nullptr;
        for (QWidget* f : QApplication::topLevelWidgets())
            h = f->objectName() == "dlgHilfe" ? dynamic_cast<HilfeFenster*>(f) : h;
        QVERIFY(h && !h->Geladen());
        QVERIFY(h->Seite()->toPlainText().contains("wurde nicht gefunden"));
        p.HilfeZeigen(TESSAROLEN_HILFE_PFAD, 100);
        QVERIFY(h->Geladen() && h->Seite()->source().toString().endsWith("/index.html"));
        QTRY_VERIFY(h->findChild<QHelpIndexWidget*>()->model()->rowCount() > 0);
        QTest::keyClicks(h->Indexsuche(), "Nullstellen");
        QTest::keyClick(h->Indexsuche(), Qt::Key_Return);
        QVERIFY(h->Seite()->source().toString().endsWith("/nullstellen.html"));
    }
};

TESSAROLEN_TEST_MAIN(ViewTest)
#include "test_view.moc"
