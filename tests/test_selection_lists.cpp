#include "core/deletion_dialogs.h"
#include "core/graph_core.h"
#include "core/program_state.h"
#include "core/selection_dialogs.h"
#include "core/sheet_widget.h"
#include "core/twips.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

struct Umgebung {
    QTemporaryDir ordner;
    SkriptPlattform plattform;
    Programmzustand z;
    SheetWidget blatt;
    std::unique_ptr<GraphCore> kern;

    Umgebung()
    {
        z.Programmpfad = ordner.path() + QLatin1Char('/');
        z.plattform = &plattform;
        kern = std::make_unique<GraphCore>(z, blatt);
    }

    // Functions 1 ... n as lines and parabolas, entered one after the other.
    void Funktionen(int n)
    {
        for (int i = 1; i <= n; ++i) {
            kern->fkt.FktArt[i] = i % 2 ? QStringLiteral("GE") : QStringLiteral("NP");
            kern->fkt.FktText[i] = QStringLiteral("y=%1x-3").arg(i);
            z.AnzFkt = static_cast<int16_t>(i);
            kern->MenüFunktionsEinträge(static_cast<int16_t>(i));
        }
    }

    void Punkte(int n)
    {
        for (int k = 1; k <= n; ++k) {
            kern->pkt.PktName[k] = QStringLiteral("P");
            kern->pkt.PktX[k] = static_cast<float>(k);
            kern->pkt.PktY[k] = 1.0f;
        }
        z.AnzPkt = static_cast<int16_t>(n);
        kern->MenüPunkteEintragen();
    }
};

QList<bool> Haken(const ChkFeld& feld, int n)
{
    QList<bool> h;
    for (int k = 0; k < n; ++k)
        h << feld.Angehakt(k);
    return h;
}

}  // namespace

class SelectionListsTest : public QObject {
    Q_OBJECT
private slots:
    void dreiFunktionen();
    void zehnFunktionen();
    void aktuellerEintrag_data();
    void aktuellerEintrag();
    void punktEintrag_data();
    void punktEintrag();
    void gleichungenAus();
    void eintraegeEntfernen();
    void fehlendeVorgaenger();
    void returnDruecktAbbrechen_data();
    void returnDruecktAbbrechen();
    void loeschDialogKnoepfe();
};

void SelectionListsTest::dreiFunktionen()
{
    Umgebung u;
    u.kern->fkt.FktArt[2] = QStringLiteral("NP");
    u.Funktionen(3);
    ChkFeld& wahl = u.kern->FktWahl().chkFkt;
    ChkFeld& löschen = u.kern->FktLöschen().chkLöschen;

    QCOMPARE(Haken(wahl, 3), (QList<bool>{false, false, true}));
    QCOMPARE(Haken(löschen, 3), (QList<bool>{false, false, false}));
    QCOMPARE(u.kern->aktuelleFunktion(1), int16_t(3));
    const QStringList texte{"g1:y=1x-3", "p2:y=2x-3", "g3:y=3x-3"};
    for (int k = 0; k < 3; ++k) {
        for (const ChkFeld* feld : {&wahl, &löschen}) {
            QCOMPARE((*feld)(k).text(), texte[k]);
            QVERIFY((*feld)(k).isVisibleTo((*feld)(k).parentWidget()));
            QCOMPARE(Twips((*feld)(k).y()), k * 375);
        }
    }
    QCOMPARE(u.kern->FktWahl().findChild<QCheckBox*>("chkFkt_2"), &wahl(2));
    QCOMPARE(u.kern->FktLöschen().findChild<QCheckBox*>("chkLöschen_2"), &löschen(2));

    // Entering the same function again recaptions it; a tick in the deletion
    // list stays as the user set it.
    löschen(2).setChecked(true);
    u.kern->fkt.FktText[3] = QStringLiteral("y=-x");
    u.kern->MenüFunktionsEinträge(3);
    QCOMPARE(wahl(2).text(), QStringLiteral("g3:y=-x"));
    QCOMPARE(Haken(löschen, 3), (QList<bool>{false, false, true}));
    QVERIFY(!wahl.Existiert(3));
    QVERIFY(u.plattform.meldungen.empty());
}

void SelectionListsTest::zehnFunktionen()
{
    Umgebung u;
    u.Funktionen(10);
    for (ChkFeld* feld : {&u.kern->FktWahl().chkFkt, &u.kern->FktLöschen().chkLöschen}) {
        QCOMPARE(Twips((*feld)(9).y()), 9 * 375);
        QCOMPARE(Twips((*feld)(9).height()), 375);
        QCOMPARE((*feld)(9).text(), QStringLiteral("p10:y=10x-3"));
    }
    QCOMPARE(u.kern->aktuelleFunktion(1), int16_t(10));
    QVERIFY(u.plattform.meldungen.empty());
}

void SelectionListsTest::aktuellerEintrag_data()
{
    QTest::addColumn<bool>("punkte");
    QTest::addColumn<QList<int>>("angehakt");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("erwartet");

    for (bool punkte : {false, true}) {
        const char* art = punkte ? "Punkt" : "Funktion";
        QTest::addRow("%s 2 und 4, ab 1", art) << punkte << QList<int>{2, 4} << 5 << 1 << 2;
        QTest::addRow("%s 2 und 4, ab 3", art) << punkte << QList<int>{2, 4} << 5 << 3 << 4;
        QTest::addRow("%s 2 und 4, ab 5", art) << punkte << QList<int>{2, 4} << 5 << 5 << 0;
        QTest::addRow("%s keiner", art) << punkte << QList<int>{} << 5 << 1 << 0;
        QTest::addRow("%s Start hinter Anzahl", art) << punkte << QList<int>{5} << 4 << 5 << 0;
        QTest::addRow("%s Haken hinter Anzahl", art) << punkte << QList<int>{5} << 4 << 1 << 0;
    }
}

void SelectionListsTest::aktuellerEintrag()
{
    QFETCH(bool, punkte);
    QFETCH(QList<int>, angehakt);
    QFETCH(int, anzahl);
    QFETCH(int, start);
    QFETCH(int, erwartet);

    Umgebung u;
    punkte ? u.Punkte(5) : u.Funktionen(5);
    ChkFeld& feld = punkte ? u.kern->PktWahl().chkPkt : u.kern->FktWahl().chkFkt;
    for (int k = 1; k <= 5; ++k)
        feld.SetzeHaken(k - 1, angehakt.contains(k));
    (punkte ? u.z.AnzPkt : u.z.AnzFkt) = static_cast<int16_t>(anzahl);

    const auto s = static_cast<int16_t>(start);
    QCOMPARE(int(punkte ? u.kern->aktuellerPunkt(s) : u.kern->aktuelleFunktion(s)), erwartet);
    QVERIFY(u.plattform.meldungen.empty());
}

void SelectionListsTest::punktEintrag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("Schnittpunkt") << "S" << 2 << 0.0 << 3.456 << "S2(0,/3,46)";
    QTest::newRow("Punkt 1") << "P" << 1 << 2.0 << -1.5 << "P1(2,/-1,5)";
    QTest::newRow("negativ gerundet") << "N" << 10 << -0.333 << 12.5 << "N10(-0,33/12,5)";
}

void SelectionListsTest::punktEintrag()
{
    QFETCH(QString, name);
    QFETCH(int, n);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, erwartet);

    Umgebung u;
    u.Punkte(n - 1);
    u.kern->pkt.PktName[n] = name;
    u.kern->pkt.PktX[n] = static_cast<float>(x);
    u.kern->pkt.PktY[n] = static_cast<float>(y);
    u.z.AnzPkt = static_cast<int16_t>(n);
    u.kern->MenüPunktEinträge(static_cast<int16_t>(n));

    ChkFeld& wahl = u.kern->PktWahl().chkPkt;
    QCOMPARE(wahl(n - 1).text(), erwartet);
    QCOMPARE(u.kern->PktLöschen().chkLöschen(n - 1).text(), erwartet);
    QCOMPARE(u.kern->aktuellerPunkt(1), int16_t(n));
    // The caption does not depend on hidden equations.
    u.kern->GleichungenAus = true;
    u.kern->MenüPunktEinträge(static_cast<int16_t>(n));
    QCOMPARE(wahl(n - 1).text(), erwartet);
    QVERIFY(u.plattform.meldungen.empty());
}

void SelectionListsTest::gleichungenAus()
{
    Umgebung u;
    u.kern->fkt.FktArt[2] = QStringLiteral("SP");
    u.Funktionen(3);
    ChkFeld& wahl = u.kern->FktWahl().chkFkt;
    wahl.SetzeHaken(0, true);
    wahl.SetzeHaken(2, false);

    // The toggle as the hide-equations command runs it.
    auto umschalten = [&](bool aus) {
        u.kern->GleichungenAus = aus;
        for (int16_t i = 1; i <= u.z.AnzFkt; ++i)
            u.kern->MenüChkFktLöschen(i);
        u.kern->MenüTessarolenEintragen();
    };
    umschalten(true);
    for (ChkFeld* feld : {&wahl, &u.kern->FktLöschen().chkLöschen}) {
        QCOMPARE((*feld)(0).text(), QStringLiteral("g1"));
        QCOMPARE((*feld)(1).text(), QStringLiteral("p2"));
        QCOMPARE((*feld)(2).text(), QStringLiteral("g3"));
        QVERIFY(!feld->Existiert(3));
        QVERIFY(!(*feld)(0).isHidden());
    }
    QCOMPARE(Haken(wahl, 3), (QList<bool>{false, false, true}));

    umschalten(false);
    QCOMPARE(wahl(1).text(), QStringLiteral("p2:y=2x-3"));
    QCOMPARE(u.kern->FktLöschen().chkLöschen(0).text(), QStringLiteral("g1:y=1x-3"));
    QVERIFY(u.plattform.meldungen.empty());
}

void SelectionListsTest::eintraegeEntfernen()
{
    Umgebung u;
    u.Funktionen(3);
    u.Punkte(2);
    GraphCore& k = *u.kern;
    k.FktLöschen().chkLöschen.SetzeHaken(0, true);

    k.MenüChkFktLöschen(3);
    k.MenüChkPktLöschen(2);
    QVERIFY(!k.FktWahl().findChild<QCheckBox*>("chkFkt_2"));
    QVERIFY(!k.FktLöschen().findChild<QCheckBox*>("chkLöschen_2"));
    QVERIFY(!k.PktWahl().chkPkt.Existiert(1));
    QVERIFY(!k.PktLöschen().chkLöschen.Existiert(1));

    // Element 0 stays, hidden and without its tick.
    k.MenüChkFktLöschen(1);
    for (ChkFeld* feld : {&k.FktWahl().chkFkt, &k.FktLöschen().chkLöschen}) {
        QVERIFY(feld->Existiert(0));
        QVERIFY((*feld)(0).isHidden());
        QVERIFY(!feld->Angehakt(0));
    }
    QVERIFY(u.plattform.meldungen.empty());

    // A function entered later takes the place of the removed entry.
    k.MenüChkFktLöschen(2);
    u.z.AnzFkt = 1;
    k.MenüTessarolenEintragen();
    QVERIFY(!k.FktWahl().chkFkt(0).isHidden());
    QVERIFY(k.FktWahl().chkFkt.Angehakt(0));
    QVERIFY(!k.FktLöschen().chkLöschen.Angehakt(0));
    QVERIFY(!k.FktWahl().chkFkt.Existiert(1));

    // Removing an entry that is gone already is reported, once per dialog.
    k.MenüChkFktLöschen(3);
    QCOMPARE(u.plattform.meldungen.size(), size_t(2));
    for (const MsgAufruf& m : u.plattform.meldungen) {
        QVERIFY(m.text.startsWith("Problem entdeckt in frmTessarolen:MenüChkFktLöschen\r"));
        QVERIFY(m.text.contains("340"));
    }
}

void SelectionListsTest::fehlendeVorgaenger()
{
    // Entry 3 entered without entries 1 and 2: the entry is still made;
    // for functions the failed unticking of entry 2 passes silently.
    Umgebung u;
    u.kern->fkt.FktArt[3] = QStringLiteral("GE");
    u.kern->fkt.FktText[3] = QStringLiteral("y=x");
    u.kern->MenüFunktionsEinträge(3);
    QVERIFY(u.plattform.meldungen.empty());
    QCOMPARE(u.kern->FktWahl().chkFkt(2).text(), QStringLiteral("g3:y=x"));
    QVERIFY(u.kern->FktWahl().chkFkt.Angehakt(2));

    u.kern->pkt.PktName[3] = QStringLiteral("P");
    u.kern->MenüPunktEinträge(3);
    QCOMPARE(u.plattform.meldungen.size(), size_t(2));
    for (const MsgAufruf& m : u.plattform.meldungen)
        QVERIFY(m.text.startsWith("Problem entdeckt in frmTessarolen:MenüPunktEinträge\r"));
    QCOMPARE(u.kern->PktWahl().chkPkt(2).text(), QStringLiteral("P3(0,/0,)"));
    QVERIFY(!u.kern->PktLöschen().chkLöschen(2).isHidden());
}

void SelectionListsTest::returnDruecktAbbrechen_data()
{
    QTest::addColumn<bool>("punkte");
    QTest::addColumn<int>("knopf");
    QTest::newRow("Funktionen") << false << 3;
    QTest::newRow("Punkte") << true << 2;
}

void SelectionListsTest::returnDruecktAbbrechen()
{
    QFETCH(bool, punkte);
    QFETCH(int, knopf);

    Umgebung u;
    punkte ? u.Punkte(2) : u.Funktionen(2);
    WahlDialog& dlg = punkte ? static_cast<WahlDialog&>(u.kern->PktWahl())
                             : static_cast<WahlDialog&>(u.kern->FktWahl());
    QList<int> aktionen;
    bool versteckt = false;
    dlg.Aktion = [&](int Index) {
        versteckt = dlg.isHidden();
        aktionen << Index;
    };
    QPushButton* aktion = dlg.findChild<QPushButton*>(QStringLiteral("cmdAktion_%1").arg(knopf));
    QCOMPARE(aktion, &dlg.cmdAktion(knopf));

    // First opening: the action button is clicked and keeps the focus.
    QTimer::singleShot(0, &dlg, [&] {
        QTest::mouseClick(aktion, Qt::LeftButton);
    });
    dlg.ZeigeModal();
    QCOMPARE(aktionen, QList<int>{knopf});
    QVERIFY(versteckt);

    // Opened again, Return goes to "Abbrechen".
    QWidget* fokus = nullptr;
    QTimer::singleShot(0, &dlg, [&] {
        fokus = dlg.focusWidget();
        QTest::keyClick(fokus, Qt::Key_Return);
        if (dlg.isVisible())
            dlg.hide();  // keeps a failing test from hanging
    });
    dlg.ZeigeModal();
    QCOMPARE(fokus, &dlg.cmdAbbrechen());
    QCOMPARE(aktionen, QList<int>{knopf});
    QVERIFY(dlg.isHidden());
    QVERIFY(u.plattform.meldungen.empty());
}

void SelectionListsTest::loeschDialogKnoepfe()
{
    Umgebung u;
    for (LöschDialog* dlg : {static_cast<LöschDialog*>(&u.kern->FktLöschen()),
                             static_cast<LöschDialog*>(&u.kern->PktLöschen())}) {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Löschen"));
        QCOMPARE(dlg->cmdLöschen().text(), QStringLiteral("Löschen"));
        int gelöscht = 0;
        bool versteckt = false;
        dlg->Löschaktion = [&] {
            versteckt = dlg->isHidden();
            ++gelöscht;
        };
        for (const char* name : {"cmdAbbrechen", "cmdLöschen"}) {
            auto* knopf = dlg->findChild<QPushButton*>(QString::fromUtf8(name));
            QVERIFY(knopf);
            QTimer::singleShot(0, dlg, [&] {
                QTest::mouseClick(knopf, Qt::LeftButton);
                if (dlg->isVisible())
                    dlg->hide();
            });
            dlg->ZeigeModal();
            QVERIFY(dlg->isHidden());
        }
        QCOMPARE(gelöscht, 1);
        QVERIFY(versteckt);
    }
}

TESSAROLEN_TEST_MAIN(SelectionListsTest)
#include "test_selection_lists.moc"
