// The number check of typed input and the input dialog, driven with real
// key presses and mouse clicks.

#include "core/graph_core.h"
#include "core/input_dialog.h"
#include "core/number_text.h"
#include "core/sheet_widget.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

struct Umgebung {
    QTemporaryDir ordner;
    SkriptPlattform plattform;
    Programmzustand z;
    SheetWidget blatt;
    GraphCore kern{z, blatt};

    Umgebung()
    {
        z.plattform = &plattform;
        z.Programmpfad = ordner.path() + QChar('/');
    }
};

struct Texte {
    QString feld1, feld2, feld3, titel, vorlage;
};

const Texte Gerade{QStringLiteral("Steigung m:"), QStringLiteral("Y-Achsenabschnitt b:"), {},
                   QStringLiteral("Lineare Funktion:"), QStringLiteral("y = mx + b")};

const QString Fehler = QStringLiteral("Fehlerhafte Eingabe!!");

// Opens the dialog through EingabeBox and runs `bedienen` while it is shown.
// Answers whether the dialog was still shown when `bedienen` was done; it is
// then hidden, so that the test goes on.
bool Oeffne(Umgebung& u, const Texte& t, const std::function<void(frmEingabe&)>& bedienen)
{
    bool nochOffen = false;
    QTimer::singleShot(0, [&] {
        frmEingabe& d = u.kern.Eingabe();
        if (QTest::qWaitForWindowActive(&d))
            bedienen(d);
        if (d.isVisible()) {
            nochOffen = true;
            d.hide();
        }
    });
    u.kern.EingabeBox(t.feld1, t.feld2, t.feld3, t.titel, t.vorlage);
    return nochOffen;
}

QWidget* Fokus(frmEingabe& d) { return d.focusWidget() ? d.focusWidget() : &d; }
void Tippe(frmEingabe& d, const QString& s) { QTest::keyClicks(Fokus(d), s); }
void Taste(frmEingabe& d, Qt::Key k) { QTest::keyClick(Fokus(d), k); }
void Klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

}  // namespace

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void istZahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zahl");
        QTest::addColumn<QString>("danach");
        const QString gross = QStringLiteral("1") + QString(39, QChar('0'));
        const QString winzig = QStringLiteral("0,") + QString(40, QChar('0')) + QChar('1');
        QTest::newRow("comma") << "2,5" << true << "2.5";
        QTest::newRow("zero before comma") << "0,5" << true << "0.5";
        QTest::newRow("fraction of decimals") << "1.5/2.5" << true << ".6";
        QTest::newRow("comma in denominator") << "2/1,5" << true << "1.33333333333333";
        QTest::newRow("two thirds") << "2/3" << true << ".666666666666667";
        QTest::newRow("negative quarter") << "-1/4" << true << "-.25";
        QTest::newRow("comma in numerator") << "1,5/2" << true << ".75";
        QTest::newRow("slash at the end") << "3/" << true << "3";
        QTest::newRow("point at the end") << "5." << true << "5.";
        QTest::newRow("comma at the end") << "5," << true << "5.";
        QTest::newRow("lone minus") << "-" << true << "-";
        QTest::newRow("lone plus") << "+" << true << "+";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("tiny quotient in exponent form") << "1/3000000000000000000000" << true
                                                        << "3.33333333333333E-22";
        QTest::newRow("slash first") << "/2" << false << "/2";
        QTest::newRow("point first") << ".5" << false << ".5";
        QTest::newRow("comma first") << ",5" << false << ",5";
        QTest::newRow("minus inside") << "2-3" << false << "2-3";
        QTest::newRow("signed denominator") << "-2/-3" << false << "-2/-3";
        QTest::newRow("two slashes") << "1/2/3" << false << "1/2/3";
        QTest::newRow("two points") << "1.5.2" << false << "1.5.2";
        QTest::newRow("two commas") << "1,5,2" << false << "1.5.2";
        QTest::newRow("letters") << "abc" << false << "abc";
        QTest::newRow("blank") << "1 5" << false << "1 5";
        QTest::newRow("denominator zero") << "1/0" << false << "1/0";
        QTest::newRow("denominator zero with comma") << "3/0,0" << false << "3/0.0";
        QTest::newRow("zero by zero") << "0/0" << false << "0/0";
        QTest::newRow("forty digits") << gross << false << gross;
        QTest::newRow("quotient beyond a float") << QStringLiteral("1/") + winzig << false
                                                 << QStringLiteral("1/0.") + winzig.mid(2);
        QTest::newRow("beyond a double") << QString(400, QChar('9')) << false
                                         << QString(400, QChar('9'));
    }
    void istZahl()
    {
        QFETCH(QString, text);
        QFETCH(bool, zahl);
        QFETCH(QString, danach);
        QCOMPARE(IstZahl(text), zahl);
        QCOMPARE(text, danach);
    }

    void vorschau_data()
    {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QString>("vorschau");
        const QStringList leer;
        QTest::newRow("line, nothing typed") << "Lineare Funktion:" << leer << "y = mx + b";
        QTest::newRow("line, fraction as typed") << "Lineare Funktion:" << QStringList{"2/3", "-1"}
                                                 << "y = 2/3x - 1";
        QTest::newRow("general, nothing typed")
            << "Allgemeine Parabel:" << leer << "y = a(x - xs)² + ys";
        QTest::newRow("general, comma stays") << "Allgemeine Parabel:" << QStringList{"2", "1,5"}
                                              << "y = 2(x - 1,5)² + ys";
        QTest::newRow("normal form, nothing typed")
            << "Normalform der Parabel:" << leer << "y = x² + px + q";
        QTest::newRow("normal form, q missing")
            << "Normalform der Parabel:" << QStringList{"-4"} << "y = x² - 4x + q";
        QTest::newRow("vertex form, nothing typed")
            << "Scheitelform der Parabel:" << leer << "y = (x - xs)² + ys";
        QTest::newRow("vertex form, point for comma")
            << "Scheitelform der Parabel:" << QStringList{"1,5", "-2"} << "y = (x - 1.5)² - 2";
        QTest::newRow("vertex form, negative xs")
            << "Scheitelform der Parabel:" << QStringList{"-3", "+1"} << "y = (x + 3)² + 1";
        QTest::newRow("point, nothing typed") << "Punkt:" << leer << "P(x | y)";
        QTest::newRow("point") << "Punkt:" << QStringList{"1,5", "-2"} << "P(1,5 | -2)";
        QTest::newRow("other caption keeps template")
            << "Sonstiges" << QStringList{"7"} << "Vorlage";
        QTest::newRow("faulty while typing") << "Lineare Funktion:" << QStringList{"2x"} << Fehler;
    }
    void vorschau()
    {
        QFETCH(QString, titel);
        QFETCH(QStringList, felder);
        QFETCH(QString, vorschau);
        Umgebung u;
        QString gesehen;
        const bool offen = Oeffne(u, {"1", "2", "3", titel, "Vorlage"}, [&](frmEingabe& d) {
            for (int i = 0; i < felder.size(); ++i) {
                if (i > 0)
                    Taste(d, Qt::Key_Tab);
                Tippe(d, felder[i]);
            }
            gesehen = d.labGleichung->text();
            Klick(d.cmdAbbrechen);
        });
        QVERIFY(!offen);
        QCOMPARE(gesehen, vorschau);
        QVERIFY(u.plattform.meldungen.empty());
    }

    // A faulty or empty field keeps the focus; the button is not acted on.
    void feldNichtVerlassen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("weg");
        for (const char* weg : {"Tab", "Return", "Ok", "click field 2", "Hilfe, then Ok"}) {
            QTest::addRow("empty, %s", weg) << "" << weg;
            QTest::addRow("1/2/3, %s", weg) << "1/2/3" << weg;
        }
        QTest::newRow("denominator 0, Tab") << "1/0" << "Tab";
        QTest::newRow("denominator 0, Ok") << "3/0,0" << "Ok";
        QTest::newRow("forty digits, Return") << QString(40, QChar('9')) << "Return";
    }
    void feldNichtVerlassen()
    {
        QFETCH(QString, text);
        QFETCH(QString, weg);
        Umgebung u;
        QWidget* fokus = nullptr;
        QString gleichung;
        const bool offen = Oeffne(u, Gerade, [&](frmEingabe& d) {
            Tippe(d, text);
            if (weg == "Tab")
                Taste(d, Qt::Key_Tab);
            else if (weg == "Return")
                Taste(d, Qt::Key_Return);
            else if (weg == "Ok")
                Klick(d.cmdOK);
            else if (weg == "click field 2")
                Klick(d.txtEingabe2);
            else {
                Klick(d.cmdHilfe);
                Klick(d.cmdOK);
            }
            fokus = d.focusWidget();
            gleichung = d.labGleichung->text();
        });
        QVERIFY(offen);
        QCOMPARE(fokus, u.kern.Eingabe().txtEingabe1);
        QCOMPARE(gleichung, Fehler);
        QVERIFY2(u.plattform.meldungen.empty(), qPrintable(u.plattform.Texte().join('|')));
    }

    void angehaengtesZeichenFaellt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("beimTippen");
        QTest::addColumn<QString>("danach");
        QTest::newRow("slash") << "3/" << "y = 3/x + b" << "3";
        QTest::newRow("point") << "5." << "y = 5.x + b" << "5";
        QTest::newRow("comma") << "5," << "y = 5,x + b" << "5";
        QTest::newRow("comma kept inside") << "2,5" << "y = 2,5x + b" << "2,5";
    }
    void angehaengtesZeichenFaellt()
    {
        QFETCH(QString, text);
        QFETCH(QString, beimTippen);
        QFETCH(QString, danach);
        Umgebung u;
        QString gleichung, feld, eingabeVorher;
        QWidget* fokus = nullptr;
        Oeffne(u, Gerade, [&](frmEingabe& d) {
            Tippe(d, text);
            gleichung = d.labGleichung->text();
            eingabeVorher = u.z.Eingabe1;
            Taste(d, Qt::Key_Tab);
            feld = d.txtEingabe1->text();
            fokus = d.focusWidget();
            Klick(d.cmdAbbrechen);
        });
        QCOMPARE(gleichung, beimTippen);
        QString normal = text;
        QVERIFY(IstZahl(normal));
        QCOMPARE(eingabeVorher, normal);
        QCOMPARE(feld, danach);
        QCOMPARE(fokus, u.kern.Eingabe().txtEingabe2);
    }

    void eingabenKommenZurueck()
    {
        Umgebung u;
        // Return moves from field to field and from the last visible one to
        // "Ok", where it presses "Ok".
        u.kern.Eingabe().txtEingabe3->hide();
        u.kern.Eingabe().labEingabe3->hide();
        QWidget* nachZweitemReturn = nullptr;
        const bool offen = Oeffne(u, Gerade, [&](frmEingabe& d) {
            Tippe(d, "1,5");
            Taste(d, Qt::Key_Return);
            Tippe(d, "2/");
            Taste(d, Qt::Key_Return);
            nachZweitemReturn = d.focusWidget();
            Taste(d, Qt::Key_Return);
        });
        QVERIFY(!offen);
        frmEingabe& d = u.kern.Eingabe();
        QCOMPARE(nachZweitemReturn, d.cmdOK);
        QCOMPARE(u.z.Eingabe1, "1.5");
        QCOMPARE(u.z.Eingabe2, "2");
        QCOMPARE(d.txtEingabe2->text(), "2");

        // A second use shows the previous inputs, the first one selected,
        // and "Ok" at once gives the same values again.
        QString gleichung, markiert;
        Oeffne(u, Gerade, [&](frmEingabe& d) {
            gleichung = d.labGleichung->text();
            markiert = d.txtEingabe1->selectedText();
            Klick(d.cmdOK);
        });
        QCOMPARE(gleichung, "y = 1,5x + 2");
        QCOMPARE(markiert, "1,5");
        QCOMPARE(u.z.Eingabe1, "1.5");
        QCOMPARE(u.z.Eingabe2, "2");

        // Typing replaces the selected text.
        Oeffne(u, Gerade, [&](frmEingabe& d) {
            Tippe(d, "-3");
            Taste(d, Qt::Key_Tab);
            Taste(d, Qt::Key_Tab);
            Taste(d, Qt::Key_Space);
        });
        QCOMPARE(d.txtEingabe1->text(), "-3");
        QCOMPARE(u.z.Eingabe1, "-3");
        QVERIFY(u.plattform.meldungen.empty());
    }

    // "Abbrechen" works with any content and empties the three strings.
    void abbrechen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("faulty") << "abc";
        QTest::newRow("good") << "4";
    }
    void abbrechen()
    {
        QFETCH(QString, text);
        Umgebung u;
        u.z.Eingabe1 = u.z.Eingabe2 = u.z.Eingabe3 = QStringLiteral("7");
        const bool offen = Oeffne(u, Gerade, [&](frmEingabe& d) {
            Tippe(d, text);
            Klick(d.cmdAbbrechen);
        });
        QVERIFY(!offen);
        QVERIFY(u.z.Eingabe1.isEmpty());
        QVERIFY(u.z.Eingabe2.isEmpty());
        QVERIFY(u.z.Eingabe3.isEmpty());
        QVERIFY(u.kern.EingabeExistiert());
        QCOMPARE(u.kern.Eingabe().txtEingabe1->text(), text);
    }

    void hilfe()
    {
        Umgebung u;
        bool nachErstem = false, nachZweitem = true;
        QString text;
        Oeffne(u, Gerade, [&](frmEingabe& d) {
            Klick(d.cmdHilfe);
            nachErstem = d.labHilfe->isVisible();
            text = d.labHilfe->text();
            Klick(d.cmdHilfe);
            nachZweitem = d.labHilfe->isVisible();
            Klick(d.cmdHilfe);
            Klick(d.cmdOK);  // the first field is still empty: refused
        });
        QVERIFY(nachErstem);
        QVERIFY(!nachZweitem);
        QCOMPARE(text.split('\n').size(), 3);
        QVERIFY(text.startsWith("Dezimalzeichen: Punkt oder Komma.\n"));
        // The help covers the three captions and stays shown for the next use.
        frmEingabe& d = u.kern.Eingabe();
        for (QLabel* l : {d.labEingabe1, d.labEingabe2, d.labEingabe3})
            QVERIFY(d.labHilfe->geometry().contains(l->geometry()));
        QVERIFY(!d.labHilfe->isHidden());
    }

    // The title-bar box unloads the dialog; the next use starts afresh.
    void schliessfeld()
    {
        Umgebung u;
        Oeffne(u, Gerade, [&](frmEingabe& d) {
            Tippe(d, "2");
            Klick(d.cmdHilfe);
            d.close();
        });
        QVERIFY(!u.kern.EingabeExistiert());
        QVERIFY(u.z.Eingabe1.isEmpty());  // closing counts as cancelled
        QString feld, titel, gleichung;
        bool hilfe = true;
        Oeffne(u, {"x:", "y:", {}, "Punkt:", "Vorlage"}, [&](frmEingabe& d) {
            feld = d.txtEingabe1->text();
            hilfe = d.labHilfe->isVisible();
            titel = d.windowTitle();
            gleichung = d.labGleichung->text();
            Klick(d.cmdAbbrechen);
        });
        QVERIFY(feld.isEmpty());
        QVERIFY(!hilfe);
        QCOMPARE(titel, "Punkt:");
        QCOMPARE(gleichung, "P(x | y)");
        QCOMPARE(u.kern.Eingabe().labEingabe1->text(), "x:");
    }
};

TESSAROLEN_TEST_MAIN(InputTest)
#include "test_input.moc"
