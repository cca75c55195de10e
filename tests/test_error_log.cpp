// The error routine: log entries in the program folder and the critical box.

#include "tests/support/sheet_fixture.h"
#include "tests/support/test_main.h"

namespace {
QStringList zeilen(const QString& pfad)  // the log's lines, none when it is missing
{
    QFile f(pfad);
    return QString::fromLatin1(f.open(QIODevice::ReadOnly) ? f.readAll() : "").split(QString("\r\n"), Qt::SkipEmptyParts);
}
}  // namespace

class ErrorLogTest : public QObject {
    Q_OBJECT
private slots:
    void twoEntriesThenBox()
    {
        Zeichenblatt u;
        const QString log = u.ordner.path() + QStringLiteral("/Tessarolen-1-0-0.LOG");
        QCOMPARE(FehlerLogPfad(u.ordner.path()), log);  // a separator is added only when missing
        QCOMPARE(FehlerLogPfad(u.z.Programmpfad), log);
        int beimZeigen = 0;  // the entry is on disk before the user sees the box
        u.plattform.beiMeldung = [&](const MsgAufruf&) { beimZeigen = int(zeilen(log).size()); };
        FehlerMelden(u.z, LaufzeitFehler(11, QStringLiteral("Division durch Null")), QStringLiteral("Module1:IstZahl"));
        QCOMPARE(beimZeigen, 5);
        FehlerMelden(u.z, LaufzeitFehler::Ueberlauf(), QStringLiteral("frmTessarolen:MenüPunktEinträge"));
        QStringList z = zeilen(log);
        QCOMPARE(z.size(), 10);
        const QDateTime jetzt = QDateTime::currentDateTime();  // both entries written in the last seconds
        for (int k : {5, 0}) {
            const QDateTime t = QDateTime::fromString(z.takeAt(k), u"dd.MM.yyyy hh:mm:ss");
            QVERIFY(t.isValid() && t.secsTo(jetzt) >= 0 && t.secsTo(jetzt) < 5);
        }
        const QString strich(80, QChar('-')), rechner = "Problem entdeckt im Computer " + QSysInfo::machineHostName();
        QCOMPARE(z, (QStringList{rechner, "Problem entdeckt in Module1:IstZahl", "11 - Division durch Null", strich,
                                 rechner, "Problem entdeckt in frmTessarolen:MenüPunktEinträge", "6 - Überlauf", strich}));
        QCOMPARE(u.plattform.Texte(), (QStringList{"Problem entdeckt in Module1:IstZahl\r\n11 - Division durch Null",
                                                   "Problem entdeckt in frmTessarolen:MenüPunktEinträge\r\n6 - Überlauf"}));
        const MsgAufruf& m = u.plattform.meldungen[0];
        QVERIFY(m.symbol == MsgSymbol::Kritisch && m.knoepfe == MsgKnoepfe::OK && m.titel == "Tessarolen Problem");
    }

    // A folder that cannot take the log still gets the box.
    void unwritableFolderStillShowsTheBox()
    {
        Zeichenblatt u;
        QVERIFY(QFile(u.ordner.filePath("datei")).open(QIODevice::WriteOnly) && QDir(u.ordner.path()).mkdir("nurlesen"));
        QFile::setPermissions(u.ordner.filePath("nurlesen"), QFile::ReadOwner | QFile::ExeOwner);
        for (const char* ordner : {"nurlesen", "datei/", "gibt/es/nicht/"}) {
            u.z.Programmpfad = u.ordner.filePath(QString::fromLatin1(ordner));
            FehlerMelden(u.z, LaufzeitFehler::Ueberlauf(), QStringLiteral("frmTessarolen:Achsen"));
        }
        QCOMPARE(u.plattform.Texte(), QStringList(3, "Problem entdeckt in frmTessarolen:Achsen\r\n6 - Überlauf"));
        QVERIFY(!QFile::exists(FehlerLogPfad(u.z.Programmpfad)));
        QFile::setPermissions(u.ordner.filePath("nurlesen"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void trapGoesOnWithTheNextStep()
    {
        Zeichenblatt u;
        Falle falle(u.z, QStringLiteral("frmTessarolen:Test"));
        QStringList schritte;
        falle([&] { schritte << "eins"; });
        falle([&] { AlsSingle(1e300), schritte << "nie"; });
        falle([&] { schritte << "drei"; });
        QCOMPARE(schritte, (QStringList{"eins", "drei"}));
        QCOMPARE(u.plattform.Texte(), QStringList{"Problem entdeckt in frmTessarolen:Test\r\n6 - Überlauf"});
    }
};

TESSAROLEN_TEST_MAIN(ErrorLogTest)
#include "test_error_log.moc"
