#include "core/input_dialog.h"
#include "core/number_text.h"
#include "core/twips.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

const QString Fehler = QStringLiteral("Fehlerhafte Eingabe!!");

// Runs `bedienen` on the dialog EingabeBox shows; answers whether it was still shown (it is then hidden).
static bool oeffne(Zeichenblatt& b, const auto& bedienen, const QString& titel = QStringLiteral("Lineare Funktion:"))
{
    bool offen = false;
    QTimer::singleShot(0, [&] {
        frmEingabe& d = b.g.Eingabe();
        const bool aktiv = QTest::qWaitForWindowActive(&d);
        if (aktiv) bedienen(d);
        if ((offen = d.isVisible())) d.hide();
        QVERIFY(aktiv);
    });
    b.g.EingabeBox("1:", "2:", "3:", titel, "Vorlage");
    return offen;
}

// Key by key into whatever has the focus; '\t' and '\r' are Tab and Return.
static void tippe(frmEingabe& d, const QString& s) { for (QChar c : s) QTest::keyClick(d.focusWidget(), c.toLatin1()); }
static void klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void istZahl()
    {
        // Accepted (+) with the text made a number, or refused (-) with the commas up to the refusal turned into points.
        QStringList ist, soll;
        const auto r = [&](QString text, const QString& danach) { ist << (IstZahl(text) ? "+" : "-") + text, soll << danach; };
        for (const char* t : {"2,5 +2.5", "0,5 +0.5", "1.5/2.5 +.6", "2/1,5 +1.33333333333333", "2/3 +.666666666666667",
                              "-1/4 +-.25", "1,5/2 +.75", "3/ +3", "5. +5.", "- +-", "+ ++", " +", "/2 -/2", "abc -abc",
                              ".5 -.5", ",5 -,5", "2-3 -2-3", "-2/-3 --2/-3", "1/2/3 -1/2/3", "1.5.2 -1.5.2", "1,5,2 -1.5.2",
                              "1,5/2,5,1 -1.5/2.5.1", "1/0 -1/0", "3/0,0 -3/0.0"})
            r(QString(t).section(' ', 0, 0), QString(t).section(' ', 1));
        for (const QString& t : {QString(40, '9'), "1/0." + QString(40, '0') + '1'})  // beyond a float
            r(t, '-' + t);
        QCOMPARE(ist, soll);
    }

    void vorschau_data()
    {
        QTest::addColumn<QString>("titel"), QTest::addColumn<QString>("tasten"), QTest::addColumn<QString>("vorschau");
        const auto r = [](const char* titel, const char* tasten, const QString& vorschau) {
            QTest::addRow("%s %s", titel, tasten) << QString(titel) << QString(tasten) << vorschau;
        };
        const char *g = "Lineare Funktion:", *a = "Allgemeine Parabel:", *n = "Normalform der Parabel:", *s = "Scheitelform der Parabel:";
        r(g, "", "y = mx + b"), r(g, "2/3\t-1", "y = 2/3x - 1"), r(g, "2x", Fehler), r(a, "", "y = a(x - xs)² + ys");
        r(a, "2\t1,5", "y = 2(x - 1,5)² + ys"), r(n, "", "y = x² + px + q"), r(n, "-4", "y = x² - 4x + q");
        r(s, "", "y = (x - xs)² + ys"), r(s, "1,5\t-2,5", "y = (x - 1.5)² - 2,5"), r("Punkt:", "", "P(x | y)");
        r("Punkt:", "1,5\t-2", "P(1,5 | -2)"), r("Sonstiges", "7", "Vorlage");
    }
    void vorschau()
    {
        QFETCH(QString, titel); QFETCH(QString, tasten); QFETCH(QString, vorschau);
        Zeichenblatt b;
        oeffne(b, [&](frmEingabe& d) { tippe(d, tasten); QCOMPARE(d.labGleichung->text(), vorschau); }, titel);
    }

    // Leaving the first field by Tab, Return or "Ok" ('!'): a faulty or empty field keeps the focus,
    // "Abbrechen" still works; a trailing point, comma or slash is cut from an accepted one.
    void feldVerlassen_data()
    {
        // feld: what it keeps, empty when refused; eingabe: what was taken, or the preview of a refused one.
        QTest::addColumn<QString>("tasten"), QTest::addColumn<QString>("feld"), QTest::addColumn<QString>("eingabe");
        for (const char* t : {"\t", "\r", "!", "1/2/3\t", "3/0,0!"})  // no message while typing either
            QTest::newRow(t) << t << "" << Fehler;
        for (const auto& [t, feld, eingabe] : {std::tuple{"3/\t", "3", "3"}, {"5,\t", "5", "5"}, {"1,5/2\r", "1,5/2", ".75"}})
            QTest::newRow(t) << t << feld << eingabe;
    }
    void feldVerlassen()
    {
        QFETCH(QString, tasten); QFETCH(QString, feld); QFETCH(QString, eingabe);
        Zeichenblatt b;
        b.z.Eingabe1 = b.z.Eingabe2 = b.z.Eingabe3 = "7";
        QVERIFY(!oeffne(b, [&](frmEingabe& d) {
            for (QChar c : tasten) c == '!' ? klick(d.cmdOK) : tippe(d, c);
            QCOMPARE(d.focusWidget(), feld.isEmpty() ? d.txtEingabe1 : d.txtEingabe2);
            QCOMPARE(d.txtEingabe1->text(), feld.isEmpty() ? tasten.chopped(1) : feld);
            QCOMPARE(feld.isEmpty() ? d.labGleichung->text() : b.z.Eingabe1, eingabe);
            klick(d.cmdAbbrechen);
        }));
        QVERIFY((b.z.Eingabe1 + b.z.Eingabe2 + b.z.Eingabe3).isEmpty() && b.plattform.meldungen.empty());
    }

    void returnUndZweiteVerwendung()
    {
        Zeichenblatt b;
        b.g.Eingabe().txtEingabe3->hide(), b.g.Eingabe().labEingabe3->hide();
        QVERIFY(!oeffne(b, [&](frmEingabe& d) {
            tippe(d, "3/");
            QCOMPARE(d.labGleichung->text() + ' ' + b.z.Eingabe1, "y = 3/x + b 3");
            tippe(d, "\r1,5\r\r");  // the hidden third field is passed by: Return presses "Ok"
        }));
        QCOMPARE(b.g.Eingabe().txtEingabe1->text() + ' ' + b.z.Eingabe1 + ' ' + b.z.Eingabe2, "3 3 1.5");
        // The next use shows the inputs again, the first one selected.
        QVERIFY(!oeffne(b, [&](frmEingabe& d) {
            QCOMPARE(d.labGleichung->text() + ' ' + d.txtEingabe1->selectedText(), "y = 3x + 1,5 3");
            klick(d.cmdOK);
        }));
        QCOMPARE(b.z.Eingabe1 + ' ' + b.z.Eingabe2, "3 1.5");
    }

    void hilfeUndSchliessfeld()
    {
        Zeichenblatt b;
        oeffne(b, [&](frmEingabe& d) {
            QList<bool> sichtbar;
            for (int i = 0; i < 3; ++i) klick(d.cmdHilfe), sichtbar << d.labHilfe->isVisible();
            QCOMPARE(sichtbar, (QList<bool>{true, false, true}));
            QList<int> lage;  // left and top of the equation line, the captions, the fields and the help text
            for (QWidget* e : QList<QWidget*>{d.labGleichung, d.labEingabe1, d.labEingabe2, d.labEingabe3, d.txtEingabe1,
                               d.txtEingabe2, d.txtEingabe3, d.labHilfe}) lage << Twips(e->x()) << Twips(e->y());
            QCOMPARE(lage, (QList<int>{600, 120, 120, 600, 120, 1080, 120, 1560, 3240, 600, 3240, 1080, 3240, 1560, 120, 600}));
            QCOMPARE(d.labHilfe->text(), "Dezimalzeichen: Punkt oder Komma.\nBruchstrich mit Schrägstrich (Bsp: 2/3)."
                                         "\nNächstes Feld mit Tab- oder Return-Taste.");
            klick(d.cmdOK), tippe(d, "2"), d.close();  // "Ok" refused, "2" typed
        });
        // The title-bar box unloads the dialog and counts as cancelled; the next use starts afresh.
        QVERIFY(!b.g.EingabeExistiert() && b.z.Eingabe1.isEmpty());
        oeffne(b, [&](frmEingabe& d) { QVERIFY(d.txtEingabe1->text().isEmpty() && !d.labHilfe->isVisible()); }, "Punkt:");
    }
};

TESSAROLEN_TEST_MAIN(InputTest)
#include "test_input.moc"
