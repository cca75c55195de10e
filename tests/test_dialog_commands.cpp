// The menu commands that fit the selection and deletion dialogs to the
// counts and show them modally.

#include "core/deletion_dialogs.h"
#include "core/selection_dialogs.h"
#include "core/twips.h"
#include "main_window/main_window.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace {
struct Aufbau {
    SkriptPlattform plattform;
    Programmzustand z;
    std::unique_ptr<frmTessarolen> fenster;
    Aufbau()
    {
        z.plattform = &plattform;
        fenster = std::make_unique<frmTessarolen>(z);
        fenster->ProgrammBeenden = [] {};
    }
    // Triggers the menu item; while its modal dialog shows, reads it and hides it.
    template <class Lesen>
    void öffne(const char* menü, Dialogfenster& d, Lesen lesen)
    {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            gesehen = d.isVisible() && d.isModal();
            lesen();
            d.hide();
        });
        fenster->Aktion(QString::fromUtf8(menü))->trigger();
        QVERIFY(gesehen);
    }
};

struct Lage {
    QList<int> oben;
    int hoehe;
    QPoint ort;
    QString caption;
};

Lage leseWahl(const WahlDialog& d)
{
    Lage l;
    for (int i = 0; i < d.AnzahlAktionen(); ++i)
        l.oben << ObenTwips(d.cmdAktion(i));
    l.oben << ObenTwips(d.cmdAbbrechen());
    l.hoehe = d.Höhe();
    l.ort = d.pos();
    return l;
}

Lage leseLösch(const LöschDialog& d)
{
    return {{ObenTwips(d.cmdLöschen()), ObenTwips(d.cmdAbbrechen())}, d.Höhe(), d.pos(), d.windowTitle()};
}
}  // namespace

class DialogCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void functionSelectionWithThreeFunctions()
    {
        Aufbau a;
        a.z.AnzFkt = 3;
        frmFktWahl& d = a.fenster->Kern().FktWahl();
        Lage l;
        a.öffne("mnuSchnittpunkte", d, [&] { l = leseWahl(d); });
        QCOMPARE(l.oben, (QList<int>{1125, 1380, 1635, 1890, 2145, 2440}));
        QCOMPARE(l.hoehe, 2775);
        QCOMPARE(l.ort, QPoint(Px(3700), Px(550)));
    }

    void pointSelectionWithTenPoints()
    {
        Aufbau a;
        a.z.AnzPkt = 10;
        frmPktWahl& d = a.fenster->Kern().PktWahl();
        Lage l;
        a.öffne("mnuFktPkt", d, [&] { l = leseWahl(d); });
        QCOMPARE(l.oben.first(), 3750);
        QCOMPARE(l.oben.last(), 3750 + 805);
        QCOMPARE(l.hoehe, 4890);
        QCOMPARE(l.ort, QPoint(Px(5200), Px(550)));
    }

    void deletionDialogs()
    {
        Aufbau a;
        Lage l;
        frmFktLöschen& f = a.fenster->Kern().FktLöschen();
        a.öffne("mnuTessarolenLöschen", f, [&] { l = leseLösch(f); });
        QCOMPARE(l.oben, (QList<int>{40, 335}));
        QCOMPARE(l.hoehe, 1100);
        QCOMPARE(l.caption, QStringLiteral("Tessarolen löschen"));
        QCOMPARE(l.ort, QPoint(Px(2900), Px(550)));

        a.z.AnzPkt = 4;
        frmPktLöschen& p = a.fenster->Kern().PktLöschen();
        a.öffne("mnuPunkteLöschen", p, [&] { l = leseLösch(p); });
        QCOMPARE(l.oben, (QList<int>{375 * 4 + 40, 375 * 4 + 335}));
        QCOMPARE(l.hoehe, 375 * 4 + 1100);
        QCOMPARE(l.caption, QStringLiteral("Punkte löschen"));
    }

    // Opening, cancelling, adding a function and opening again moves the
    // buttons down by one entry.
    void layoutFollowsTheCount()
    {
        Aufbau a;
        a.z.AnzFkt = 2;
        frmFktWahl& d = a.fenster->Kern().FktWahl();
        Lage vorher, nachher;
        bool gedrückt = false;
        QTimer::singleShot(0, [&] {
            vorher = leseWahl(d);
            QTest::mouseClick(&d.cmdAbbrechen(), Qt::LeftButton);
            gedrückt = !d.isVisible();
        });
        a.fenster->Aktion(QStringLiteral("mnuSchnittpunkte"))->trigger();
        QVERIFY(gedrückt);
        a.z.AnzFkt = 3;
        a.öffne("mnuSchnittpunkte", d, [&] { nachher = leseWahl(d); });
        for (int i = 0; i < vorher.oben.size(); ++i)
            QCOMPARE(nachher.oben[i], vorher.oben[i] + 375);
        QCOMPARE(nachher.hoehe, vorher.hoehe + 375);
    }
};

TESSAROLEN_TEST_MAIN(DialogCommandsTest)
#include "test_dialog_commands.moc"
