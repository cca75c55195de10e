// The error routine: log entries in the program folder and the critical box.

#include "app_info.h"
#include "core/error_log.h"
#include "core/program_state.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <unistd.h>

namespace {
QStringList zeilen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString inhalt = QString::fromLatin1(f.readAll());
    QStringList z = inhalt.split(QStringLiteral("\r\n"));
    if (!z.isEmpty() && z.last().isEmpty())
        z.removeLast();
    return z;
}
}  // namespace

class ErrorLogTest : public QObject {
    Q_OBJECT
private slots:
    void logName()
    {
        QCOMPARE(FehlerLogName(), QStringLiteral("%1-%2-%3-%4.LOG")
                                      .arg(QString::fromLatin1(app_info::Name))
                                      .arg(app_info::Major)
                                      .arg(app_info::Minor)
                                      .arg(app_info::Revision));
        QVERIFY(FehlerLogName().startsWith(QStringLiteral("Tessarolen-")));
        // A folder that already ends in its separator gets no second one.
        const QString sep = QDir::separator();
        QCOMPARE(FehlerLogPfad(QStringLiteral("/ordner") + sep),
                 QStringLiteral("/ordner") + sep + FehlerLogName());
        QCOMPARE(FehlerLogPfad(QStringLiteral("/ordner")),
                 QStringLiteral("/ordner") + sep + FehlerLogName());
        QCOMPARE(FehlerLogPfad(sep), sep + FehlerLogName());
    }

    void twoEntriesThenBox()
    {
        QTemporaryDir ordner;
        SkriptPlattform plattform;
        Programmzustand z;
        z.plattform = &plattform;
        z.Programmpfad = ordner.path() + QDir::separator();
        QString beimZeigen;
        // The entry is on disk before the user sees the box.
        plattform.beiMeldung = [&](const MsgAufruf&) {
            beimZeigen = QString::number(zeilen(FehlerLogPfad(z.Programmpfad)).size());
        };

        FehlerMelden(z, LaufzeitFehler(11, QStringLiteral("Division durch Null")),
                     QStringLiteral("Module1:IstZahl"));
        QCOMPARE(beimZeigen, QStringLiteral("5"));
        FehlerMelden(z, LaufzeitFehler::Ueberlauf(), QStringLiteral("frmTessarolen:MenüPunktEinträge"));

        const QStringList z1 = zeilen(FehlerLogPfad(z.Programmpfad));
        QCOMPARE(z1.size(), 10);
        const QRegularExpression zeit(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
        QVERIFY2(zeit.match(z1[0]).hasMatch(), qPrintable(z1[0]));
        QCOMPARE(z1[1], QStringLiteral("Problem entdeckt im Computer ") + QSysInfo::machineHostName());
        QCOMPARE(z1[2], QStringLiteral("Problem entdeckt in Module1:IstZahl"));
        QCOMPARE(z1[3], QStringLiteral("11 - Division durch Null"));
        QCOMPARE(z1[4], QString(80, QChar('-')));
        QVERIFY(zeit.match(z1[5]).hasMatch());
        QCOMPARE(z1[7], QStringLiteral("Problem entdeckt in frmTessarolen:MenüPunktEinträge"));
        QCOMPARE(z1[8], QStringLiteral("6 - Überlauf"));
        QCOMPARE(z1[9], QString(80, QChar('-')));

        QCOMPARE(plattform.meldungen.size(), size_t(2));
        const MsgAufruf& m = plattform.meldungen[0];
        QCOMPARE(m.text, QStringLiteral("Problem entdeckt in Module1:IstZahl\r\n11 - Division durch Null"));
        QCOMPARE(m.symbol, MsgSymbol::Kritisch);
        QCOMPARE(m.knoepfe, MsgKnoepfe::OK);
        QCOMPARE(m.titel, QStringLiteral("Tessarolen Problem"));
    }

    void unwritableFolderStillShowsTheBox()
    {
        QTemporaryDir ordner;
        QDir(ordner.path()).mkdir(QStringLiteral("nurlesen"));
        const QString pfad = ordner.path() + QStringLiteral("/nurlesen");
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ExeOwner);
        SkriptPlattform plattform;
        Programmzustand z;
        z.plattform = &plattform;
        z.Programmpfad = pfad;
        FehlerMelden(z, LaufzeitFehler::Ueberlauf(), QStringLiteral("frmTessarolen:Achsen"));
        if (geteuid() != 0)  // root writes anyway
            QVERIFY(!QFile::exists(FehlerLogPfad(pfad)));
        QCOMPARE(plattform.meldungen.size(), size_t(1));
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // A "folder" that is a file cannot take a log, not even for root.
        QFile datei(ordner.path() + QStringLiteral("/datei"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        z.Programmpfad = datei.fileName() + QStringLiteral("/");
        FehlerMelden(z, LaufzeitFehler::Ueberlauf(), QStringLiteral("frmTessarolen:Achsen"));
        QCOMPARE(plattform.meldungen.size(), size_t(2));

        // A folder that does not exist at all behaves the same.
        z.Programmpfad = ordner.path() + QStringLiteral("/gibt/es/nicht/");
        FehlerMelden(z, LaufzeitFehler::Ueberlauf(), QStringLiteral("frmTessarolen:Achsen"));
        QCOMPARE(plattform.meldungen.size(), size_t(3));
        QVERIFY(!QFile::exists(FehlerLogPfad(z.Programmpfad)));
    }

    void trapGoesOnWithTheNextStep()
    {
        QTemporaryDir ordner;
        SkriptPlattform plattform;
        Programmzustand z;
        z.plattform = &plattform;
        z.Programmpfad = ordner.path();
        Falle falle(z, QStringLiteral("frmTessarolen:Test"));
        QStringList schritte;
        falle([&] { schritte << "eins"; });
        falle([&] {
            AlsSingle(1e300);
            schritte << "nie";
        });
        falle([&] { schritte << "drei"; });
        QCOMPARE(schritte, (QStringList{"eins", "drei"}));
        QCOMPARE(plattform.meldungen.size(), size_t(1));
        QVERIFY(plattform.meldungen[0].text.startsWith(
            QStringLiteral("Problem entdeckt in frmTessarolen:Test\r\n6 - ")));
    }
};

TESSAROLEN_TEST_MAIN(ErrorLogTest)
#include "test_error_log.moc"
