// The entries of the selection and deletion lists: captions, places, ticks.

#include "core/deletion_dialogs.h"
#include "core/selection_dialogs.h"
#include "core/twips.h"
#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

class SelectionListsTest : public QObject {
    Q_OBJECT
private slots:
    void funktionsEintraege()
    {
        Zeichenblatt b;
        ChkFeld &wahl = b.g.FktWahl().chkFkt, &löschen = b.g.FktLöschen().chkLöschen;
        for (int16_t i = 1; i <= 10; ++i) {  // lines and parabolas by turns
            b.neu(i % 2 ? "GE" : "NP", 0, 0, 0, 0, 0);
            b.g.fkt.FktText[i] = QStringLiteral("y=%1x-3").arg(i);
            b.g.MenüFunktionsEinträge(i);
            if (i == 3)  // only the last one ticked
                QVERIFY(!wahl.Angehakt(0) && !wahl.Angehakt(1) && wahl.Angehakt(2));
        }
        for (const ChkFeld* feld : {&wahl, &löschen})
            for (int k = 0; k < 10; ++k) {
                QCOMPARE((*feld)(k).text(), QStringLiteral("%1%2:y=%2x-3").arg(k % 2 ? "p" : "g").arg(k + 1));
                QVERIFY(!(*feld)(k).isHidden() && Twips((*feld)(k).y()) == k * 375);
            }
        // Entering a function again recaptions it and keeps its deletion tick; the one before loses it.
        löschen(8).setChecked(true), löschen(9).setChecked(true);
        b.g.fkt.FktText[10] = QStringLiteral("y=-x");
        b.g.MenüFunktionsEinträge(10);
        QCOMPARE(wahl(9).text(), QStringLiteral("p10:y=-x"));
        QVERIFY(löschen.Angehakt(9) && !löschen.Angehakt(8));
        // Rebuilt as the hide-equations command does: short captions, the last one ticked.
        wahl.SetzeHaken(0, true), wahl.SetzeHaken(9, false);
        b.g.GleichungenAus = true;
        for (int16_t i = 1; i <= 10; ++i) b.g.MenüChkFktLöschen(i);
        b.g.MenüTessarolenEintragen();
        QVERIFY(!wahl.Angehakt(0) && wahl.Angehakt(9) && !wahl(0).isHidden() && !löschen(9).isHidden());
        QCOMPARE(wahl(0).text() + löschen(1).text() + wahl(9).text(), "g1p2p10");
        // The analyses take the first ticked function from a number on.
        for (int k = 0; k < 10; ++k) wahl.SetzeHaken(k, k == 1 || k == 3);
        auto akt = [&](int16_t s) { return int(b.g.aktuelleFunktion(s)); };
        QCOMPARE((QList<int>{akt(1), akt(3), akt(5), (b.z.AnzFkt = 3, akt(3))}), (QList<int>{2, 4, 0, 0}));
        QVERIFY(b.plattform.meldungen.empty());
    }

    void punktEintraege()
    {
        Zeichenblatt b;
        b.punkt(2.0f, -1.125f, "P");  // a tie: away from zero
        b.punkt(0.0f, 3.456f, "S");
        b.g.MenüPunkteEintragen();
        ChkFeld &wahl = b.g.PktWahl().chkPkt, &löschen = b.g.PktLöschen().chkLöschen;
        for (ChkFeld* feld : {&wahl, &löschen})
            QCOMPARE((*feld)(0).text() + ' ' + (*feld)(1).text(), "P1(2,/-1,13) S2(0,/3,46)");
        QCOMPARE(b.g.aktuellerPunkt(1), int16_t(2));
        wahl.SetzeHaken(0, true), löschen.SetzeHaken(0, true);
        b.g.MenüChkPktLöschen(2), b.g.MenüChkPktLöschen(1);  // element 0 stays, hidden and unticked
        for (ChkFeld* feld : {&wahl, &löschen})
            QVERIFY(!feld->Existiert(1) && (*feld)(0).isHidden() && !feld->Angehakt(0));
    }

    // A freshly opened dialog has the focus on "Abbrechen", so Return acts on nothing.
    void returnDruecktAbbrechen()
    {
        Zeichenblatt b;
        b.gerade(1, 0), b.g.MenüFunktionsEinträge(1);
        frmFktWahl& dlg = b.g.FktWahl();
        QList<int> aktionen;
        dlg.Aktion = [&](int Index) { aktionen << Index << dlg.isHidden(); };
        QTimer::singleShot(0, &dlg, [&] { QTest::mouseClick(&dlg.cmdAktion(3), Qt::LeftButton); });
        dlg.ZeigeModal();  // the action button keeps the focus; the next opening moves it
        QTimer::singleShot(0, &dlg, [&] {  // Return closes it, no action runs; hidden so that a failing test cannot hang
            QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
            aktionen << dlg.isVisible(), dlg.hide();
        });
        dlg.ZeigeModal();
        QCOMPARE(aktionen, (QList<int>{3, 1, 0}));
    }
};

TESSAROLEN_TEST_MAIN(SelectionListsTest)
#include "test_selection_lists.moc"
