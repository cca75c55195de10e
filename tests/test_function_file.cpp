// Saving and opening drawings through the "Datei" menu: the bytes, the round trip, hostile files, failures, fuzz.

#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "main_window/file_save.h"
#include "main_window/function_file.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"
#include <cfloat>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
namespace {
QByteArray lies(const QString& pfad) { QFile f(pfad); return f.open(QIODevice::ReadOnly) ? f.readAll() : "fehlt"; }
void schreibe(const QString& pfad, const QByteArray& b) { QFile f(pfad); f.open(QIODevice::WriteOnly) && f.write(b); }
// Runs "Öffnen..." or "Speichern unter..." with the path chosen in the dialog.
void datei(Fenster& w, const char* menü, const QString& pfad) { w.plattform.dateiAntworten.push_back(pfad), w.menü(menü); }
void zahlenfelder(auto& f, auto& p, auto&& tu)
{
    for (auto* feld : {&f.m, &f.b, &f.a, &f.c, &f.p, &f.q, &f.xs, &f.ys, &f.xSenkrecht, &f.xSenkrecht2}) tu(*feld, 10);
    for (auto* feld : {&f.FktLabelX, &f.FktLabelY, &p.PktX, &p.PktY, &p.PktLabelX, &p.PktLabelY}) tu(*feld, 12);
}
// The drawing of data/voll.FKT, a file written by hand: slot i of the k-th field above holds k + i/100, negative for odd k,
// slot 10 of the function fields a number of its own form; a line with a = 0 in slot 1, two points, every text its own.
Zeichnung voll()
{
    Zeichnung d{{}, {}, 1, 2, QStringLiteral("Übung 3, Teil – 1 (ß)"), true};
    const float formen[] = {12345670, 1.5e-7f, 199999.99f, -5.7f, 27.2554016f, 1e-5f, 9999999, -2.5e-8f, 1e7f, -0.125f};
    zahlenfelder(d.fkt, d.pkt, [k = 0, &formen](auto& feld, int n) mutable {
        for (++k; n; --n) feld[n] = n == 10 && k <= 10 ? formen[k - 1] : float((k % 2 ? -1 : 1) * (k + n / 100.0));
    });
    for (int i = 1; i <= 10; ++i)
        d.fkt.FktArt[i] = QString("A%1").arg(i), d.fkt.FktText[i] = QString("t%1").arg(i), d.pkt.PktName[i] = QChar('A' + i);
    d.fkt.FktArt[1] = "GE", d.fkt.a[1] = 0, d.fkt.FktText[4] = "\"t4\"";
    return d;
}
QByteArray gold() { return lies(QFINDTESTDATA("data/voll.FKT")); }
// Where a file is saved over in gesperrterOrdner.
enum Ort { Fest, Klebrig, Normal };
// Counters within the tables, every number drawable, every function's kind known and agreeing with its values.
bool gesund(const Zeichnung& d)
{
    const FunktionsTabelle& f = d.fkt;
    bool ok = d.AnzFkt >= 0 && d.AnzFkt <= 10 && d.AnzPkt >= 0 && d.AnzPkt <= 10;
    zahlenfelder(f, d.pkt, [&](const auto& feld, int) { for (float v : feld) ok = ok && std::fabs(v) * 20.0 <= FLT_MAX; });
    for (int i = 1; i <= d.AnzFkt; ++i)
        ok = ok && QStringList{"GE", "NP", "SP", "AP"}.contains(f.FktArt[i]) && (f.FktArt[i] != "GE" || f.a[i] == 0) &&
             (f.FktArt[i] != "AP" || (f.ys[i] == f.c[i] && (f.a[i] ? f.xs[i] == f.b[i] : !f.m[i] && f.b[i] == f.c[i]))) &&
             (f.FktArt[i] == "GE" || f.FktArt[i] == "AP" || f.a[i] == 1);
    return ok;
}
// Makes a folder take no new file (immutable for root, whom its mode bits do not stop; read-only for others).
// The reason when it cannot be done; `auf` opens it again.
QString sperre(const QString& ordner, bool zu = true)
{
    if (geteuid() != 0)
        return QFile::setPermissions(ordner, zu ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
                   ? QString() : "the folder's mode cannot be set";
    const int fd = open(qPrintable(ordner), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    const bool ok = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                    (flags = zu ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    const QString grund = ok ? QString() : "no immutable folder here: " + QString::fromLocal8Bit(strerror(errno));
    if (fd >= 0) close(fd);
    return grund;
}
QString auf(const QString& ordner) { return sperre(ordner, false); }
// Runs `tu` while files may grow to `platz` bytes (0: no limit of the test's own).
template <class F>
void mitGrenze(int platz, F&& tu)
{
    rlimit grenze{}, eng = (getrlimit(RLIMIT_FSIZE, &grenze), grenze);
    eng.rlim_cur = platz > 0 ? rlim_t(platz) : eng.rlim_cur, std::signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &eng);
    tu();
    setrlimit(RLIMIT_FSIZE, &grenze);
}
Zeichnung tabellen(GraphCore& k) { return {k.fkt, k.pkt, k.z.AnzFkt, k.z.AnzPkt, k.Überschrift, k.GleichungenAus}; }
// Opens a file of these bytes through the menu and removes the file again.
void lade(Fenster& w, const QByteArray& inhalt = gold())
{ const QString p = w.ordner.filePath("geladen.FKT"); schreibe(p, inhalt), datei(w, "mnuÖffnen", p), QFile::remove(p); }
}  // namespace

class FunctionFileTest : public QObject {
    Q_OBJECT
private slots:
    void dateiformat()
    {
        // Every slot in its line and every number in its form, against the file written by hand; reading on its own.
        QCOMPARE(FktDateiKodieren(FktDateiZeilen(voll())).split('\n'), gold().split('\n'));
        Zeichnung d;  // read into an empty drawing
        FktDateiLesen(FktDateiDekodieren(gold()), d);
        QCOMPARE(FktDateiKodieren(FktDateiZeilen(d)).split('\n'), gold().split('\n'));
    }
    void speichernUndOeffnen()
    {
        Fenster w;
        const QString leer = w.ordner.filePath("leer.FKT"), pfad = (QDir(w.ordner.path()).mkdir("alt"), w.ordner.filePath("alt/a&b.FKT"));
        datei(w, "mnuSpeichern", leer), datei(w, "mnuSpeichern", leer);  // the second over the first
        QCOMPARE(lies(leer), lies(QFINDTESTDATA("data/leer.FKT")));
        const MsgAufruf m = w.plattform.meldungen.back();
        QVERIFY(m.symbol == MsgSymbol::Information && m.titel + m.text == "Erfolgsmeldung...Die Datei: leer.FKT\rwurde "
                "erfolgreich im Verzeichnis: \r" + QDir::toNativeSeparators(w.ordner.path() + "/") + " gespeichert!");
        schreibe(pfad, gold()), datei(w, "mnuÖffnen", pfad);
        const QImage bild = w.blatt().Bild();
        // From the whole page with equations shown, opening returns to 1:1 and takes the file's choice.
        w.menü("mnuGanzeSeite"), w.menü("mnuFunktionsgleichungenAusblenden"), datei(w, "mnuÖffnen", pfad);
        QVERIFY(w.k().Zoom == 1 && w.f->VScroll1->Value() == 9 && w.f->Aktion("mnuFunktionsgleichungenAusblenden")->isChecked());
        QVERIFY(w.blatt().Bild() == bild && w.k().FktWahl().chkFkt.Existiert(0) && w.k().PktWahl().chkPkt.Existiert(1));
        QCOMPARE(w.f->Aktion("mnuZusätze_1")->text(), QDir::toNativeSeparators(pfad).replace("&", "&&"));
        datei(w, "mnuSpeichern", ""), datei(w, "mnuÖffnen", "");  // each dialog opens where it was left
        const DateiAufruf &s = w.plattform.dateiDialoge.end()[-2], &o = w.plattform.dateiDialoge.back();
        QCOMPARE((QStringList{s.titel + o.titel, s.filter, o.filter, s.ordner, s.name, o.ordner, o.name}),
                 (QStringList{"Speichern unterÖffnen", "Funktionsdateien (*.FKT)", "Funktionsdateien (*.FKT)", w.ordner.path(),
                              "leer.FKT", w.ordner.path() + "/alt", "a&b.FKT"}));
    }
    void jedeArtHinUndZurueck()
    {
        // A function of every kind the program makes (the flat general parabola that the simulation keeps at a = 0
        // too) and the longest heading: saved and opened, tables, texts, list entries and vertices are as they were.
        Fenster w;
        GraphCore& k = w.k();
        for (const auto& [x, y] : {std::pair{2.f, 1.f}, {2.f, 5.f}, {3.f, 2.f}})
            ++w.z.AnzPkt, k.pkt.PktX[w.z.AnzPkt] = x, k.pkt.PktY[w.z.AnzPkt] = y, k.pkt.PktName[w.z.AnzPkt] = "P";
        k.PunkteZeichnen(), k.MenüPunkteEintragen();
        for (int zweiter : {1, 2})  // a vertical line and a normal parabola through two points
            for (int i = 0; i < 4; ++i) i < 3 ? k.PktWahl().chkPkt.SetzeHaken(i, i == 0 || i == zweiter) : k.PktWahl().Aktion(zweiter - 1);
        k.SimGeradeZeichnen("0.5", "-1"), ++w.z.AnzFkt, k.simNormParabelZeichnen("1", "-2"), ++w.z.AnzFkt;
        k.simAllgParabelZeichnen("-0.5", "2", "3"), ++w.z.AnzFkt, k.simAllgParabelZeichnen("0", "2", "3"), ++w.z.AnzFkt;
        w.plattform.inputAntworten = {QString(300, u'x')}, w.menü("mnuÜberschrift");
        const auto stand = [&] {
            QStringList s = FktDateiZeilen(tabellen(k)) << k.Überschrift;
            for (int i = 0; i < w.z.AnzFkt; ++i) {
                s << k.FktWahl().chkFkt(i).text();
                for (int j = 0; j < w.z.AnzFkt; ++j) k.FktWahl().chkFkt.SetzeHaken(j, j == i);
                k.FktWahl().Aktion(2);  // "Scheitelkoordinaten"
            }
            return s << FktDateiZeilen(tabellen(k)).mid(120, 36) << w.plattform.Texte();
        };
        datei(w, "mnuSpeichern", w.ordner.filePath("alle.FKT")), w.plattform.meldungen.clear();
        const QStringList vorher = stand();
        QCOMPARE(vorher.mid(207, 6), (QStringList{"g1:2 = x", "p2:y=x²-4x+5", "g3:y=0,5x-1", "p4:y=(x-1)²-2",
                                                  "p5:y=-0,5(x-2)²+3", "p6:y=0(x-2)²+3"}));
        w.plattform.meldungen.clear(), datei(w, "mnuÖffnen", w.ordner.filePath("alle.FKT"));
        QCOMPARE(stand(), vorher);
        w.plattform.inputAntworten = {QString(300, u'y')}, w.menü("mnuDrucken");  // the heading asked when printing
        QCOMPARE(k.Überschrift, QString(255, u'y'));
    }
    void lesen()
    {
        QByteArray müll(1 << 20, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(müll.data()), müll.size() / 4);
        const QList<QByteArray> voll = gold().split('\n');
        // Lines of data/voll.FKT replaced (0 cuts after line 12) → the beginning of: AnzFkt AnzPkt, FktArt a m b c p q
        // xs ys FktText of function 1, heading; a number that cannot be drawn is unreadable.
        const std::pair<QList<std::pair<int, QByteArray>>, const char*> fälle[] = {
            {{}, "1 2 GE 0 -1.01 2.01 4.01 -5.01 6.01 -7.01 8.01 y=-1,01x+2,01 Übung 3, Teil – 1 (ß)"},
            {{{155, "2.5"}, {156, "3.5"}}, "2 4 GE"}, {{{155, "99"}, {156, "-3"}}, "10 0 GE"},
            {{{3, "1"}, {5, "4"}, {6, "3"}, {9, "\"NP\""}}, "1 2 NP 1 -1.01 2.01 4.01 4 3 -2 -1 y=x²+4x+3"},
            {{{3, "1"}, {7, "1"}, {8, "-4"}, {9, "\"SP\""}}, "1 2 SP 1 -1.01 2.01 4.01 -2 -3 1 -4 y=(x-1)²-4"},
            {{{1, "5"}, {2, "7"}, {3, "0"}, {4, "3"}, {9, "\"AP\""}}, "1 2 AP 0 0 3 3 0 3 -7.01 3 y=0(x+7,01)²+3"},
            {{{3, "2"}, {9, "\"AP\""}}, "1 2 AP 2 -1.01 2.01 4.01 0 4.01 2.01 4.01 y=2(x-2,01)²+4,01"},
            {{{3, "2"}, {9, "\"XX\""}}, "1 2 AP 2 -1.01 -7.01 8.01 0 8.01 -7.01 8.01 y=2(x+7,01)²+8,01"},
            {{{3, "2"}}, "1 2 GE 0 -1.01 2.01 4.01"},
            {{{1, "3E+38"}, {2, "-1.8E+37"}, {4, "1.7E+37"}, {5, "nan"}, {6, "inf"}, {7, "abc"}}, "1 2 GE 0 0 0 1.7e+37 0 0 0 8.01 y=0"},
            {{{1, ".5"}, {2, "-2.5E+00"}, {9, "\"GE\",x"}, {155, "1.4"}}, "1 2 GE 0 0.5 -2.5 4.01 -5.01 6.01 -7.01 8.01 y=0,5x-2,5"},
            {{{157, QByteArray("\"a\0b \x96\x81\"", 8)}, {207, müll}}, "1 2 GE 0 -1.01 2.01 4.01 -5.01 6.01 -7.01 8.01 y=-1,01x+2,01 ab –"},
            {{{0, ""}}, "0 0 GE 0 -1.01 2.01"}, {{{1, müll}}, nullptr}, {{{5, "1E+37"}, {9, "\"NP\""}}, nullptr},
        };
        for (const auto& [ersetzt, erwartet] : fälle) {
            Fenster w;
            QList<QByteArray> zeilen = (lade(w), voll);  // opened over a drawing
            for (const auto& [nr, text] : ersetzt)
                nr == 0 ? void(zeilen = zeilen.mid(0, 12)) : void(zeilen[nr - 1] = text + '\r');
            lade(w, zeilen.join('\n'));
            const FunktionsTabelle& f = w.k().fkt;
            QStringList ist{QString::number(w.z.AnzFkt), QString::number(w.z.AnzPkt), f.FktArt[1]};
            for (float v : {f.a[1], f.m[1], f.b[1], f.c[1], f.p[1], f.q[1], f.xs[1], f.ys[1]}) ist << QString::number(v);
            const QString s = (ist << f.FktText[1] << w.k().Überschrift).join(' ');
            QVERIFY2((!erwartet || s.startsWith(QString::fromUtf8(erwartet))) && gesund(tabellen(w.k())), qPrintable(s));
            QVERIFY(w.plattform.Texte().filter(QRegularExpression("Problem|Datei")).isEmpty());  // a curve may lie off the sheet
            QCOMPARE(w.f->Menü("mnuDatei")->actions().count(), 10);  // one entry for the last file
        }
    }
    void zeilenenden()
    {
        // data/voll.FKT after other line-end conversions, and saved by an editor as UTF-8 with its byte-order mark:
        // each opens as the drawing it holds, without a word.
        QByteArray utf8 = gold();
        for (const auto& [cp1252, u] : {std::pair{"\x84", "„"}, {"\x93", "“"}, {"\x96", "–"}, {"\xDC", "Ü"}, {"\xDF", "ß"}})
            utf8.replace(cp1252, u);
        const QByteArray varianten[] = {QByteArray(gold()).replace("\r\n", "\r\r\n"), QByteArray(gold()).replace("\r\n", "\n\r"),
                                        QByteArray(gold()).replace("\r\n", "\n"), QByteArray(gold()).replace("\r\n", "\r"),
                                        "\xEF\xBB\xBF" + utf8, "\xEF\xBB\xBF" + QByteArray(utf8).replace("\r\n", "\n")};
        Fenster w;
        lade(w);
        const QStringList erwartet = FktDateiZeilen(tabellen(w.k())) << w.k().Überschrift;
        QCOMPARE(erwartet.mid(0, 10).join(' ') + " " + erwartet.mid(154, 4).join(' ') + " " + erwartet.mid(204).join(' '),
                 "-1.01 2.01 0 4.01 -5.01 6.01 -7.01 8.01 \"GE\" \"y=-1,01x+2,01\" 1 2 \"Übung 3, Teil – 1 (ß)\" #TRUE# -11.12 12.12 "
                 "Übung 3, Teil – 1 (ß)");
        for (const QByteArray& b : varianten) {
            Fenster v;
            lade(v, b);
            QCOMPARE(FktDateiZeilen(tabellen(v.k())) << v.k().Überschrift, erwartet);
            QVERIFY(v.plattform.meldungen.empty() && v.k().fkt.FktText[4] == "„t4“");
        }
    }
    void ueberschriftZeichen()
    {
        // Typed as the heading (→ what it becomes), then saved: line 157 of the file in its bytes.
        const std::tuple<QString, QString, QByteArray> fälle[] = {
            {"Aufgabe ⅓ von x⁴ und x² – √2, 5 € für Äpfel", "Aufgabe ⅓ von x⁴ und x² – √2, 5 € für Äpfel",
             "\"Aufgabe ? von x? und x\xB2 \x96 ?2, 5 \x80 f\xFCr \xC4pfel\""},
            {QString(254, u'x') + "𝑥y", QString(254, u'x') + "𝑥", '"' + QByteArray(254, 'x') + "?\""},
            {QString(255, u'x') + "𝑥", QString(255, u'x'), '"' + QByteArray(255, 'x') + '"'},
            // A letter and its combining mark, as some programs hand over "Ü" and "é": one character of the code page.
            {"U\u0308bung, Caf\u0065\u0301", "Übung, Café", "\"\xDC" "bung, Caf\xE9\""},
            {QString(254, u'x') + "U\u0308y", QString(254, u'x') + "Ü", '"' + QByteArray(254, 'x') + "\xDC\""},
        };
        for (const auto& [getippt, überschrift, zeile] : fälle) {
            Fenster w;
            w.plattform.inputAntworten = {getippt}, w.menü("mnuÜberschrift");
            QCOMPARE(w.k().Überschrift, überschrift);
            datei(w, "mnuSpeichern", w.ordner.filePath("u.FKT"));
            QCOMPARE(lies(w.ordner.filePath("u.FKT")).split('\n').at(156), zeile + '\r');
        }
        Zeichnung d;  // a text with a combining mark, wherever it came from, is written composed
        d.Überschrift = "U\u0308bung", d.fkt.FktText[1] = "y=x\u0301";
        const QList<QByteArray> geschrieben = FktDateiKodieren(FktDateiZeilen(d)).split('\n');
        QCOMPARE(geschrieben.at(9) + geschrieben.at(156), "\"y=x?\"\r\"\xDC" "bung\"\r");
        // Read from a UTF-8 file, a heading is cut in the same way.
        Fenster w;
        QList<QByteArray> zeilen = gold().split('\n');
        zeilen[156] = '"' + QByteArray(254, 'x') + "𝑥y\"\r";
        lade(w, "\xEF\xBB\xBF" + zeilen.join('\n'));
        QCOMPARE(w.k().Überschrift, QString(254, u'x') + "𝑥");
    }
    void fehlschlaege_data()
    {
        // Cancelled (""), or a name in the test folder (prepared below); platz: bytes a file may grow to, -1 a full disk.
        // gesperrt: the folder takes no new file.
        QTest::addColumn<QString>("menü"), QTest::addColumn<QString>("name"), QTest::addColumn<int>("platz"), QTest::addColumn<bool>("gesperrt");
        for (const auto& [menü, name, platz, gesperrt] : {std::tuple{"mnuÖffnen", "", 0, false}, {"mnuÖffnen", "fehlt.FKT", 0, false},
              {"mnuÖffnen", ".", 0, false}, {"mnuÖffnen", "leer.FKT", 0, false}, {"mnuÖffnen", "mem.FKT", 0, false},
              {"mnuÖffnen", "bom.FKT", 0, false}, {"mnuÖffnen", "zeilen.FKT", 0, false},
              {"mnuSpeichern", "", 0, false}, {"mnuSpeichern", "alt.FKT/neu.FKT", 0, false}, {"mnuSpeichern", "alt.FKT", 0, false},
              {"mnuSpeichern", "fifo.FKT", 0, false}, {"mnuSpeichern", "geraet.FKT", 0, false}, {"mnuSpeichern", "rw.FKT", 100, false},
              {"mnuSpeichern", "neu.FKT", 100, false}, {"mnuSpeichern", "rw.FKT", -1, false}, {"mnuSpeichern", "neu.FKT", -1, false},
              {"mnuSpeichern", "rw.FKT", 100, true}, {"mnuSpeichern", "neu.FKT", 0, true}, {"mnuSpeichern", "alt.FKT", 0, true}})
            QTest::addRow("%s %s %d%s", menü, name, platz, gesperrt ? " gesperrt" : "") << QString(menü) << QString(name) << platz << gesperrt;
    }
    void fehlschlaege()
    {
        QFETCH(QString, menü); QFETCH(QString, name); QFETCH(int, platz); QFETCH(bool, gesperrt);
        Fenster w;
        QDir ordner((lade(w), w.ordner.path()));
        if (platz < 0 && geteuid() != 0) QSKIP("mounting a small file system needs root");
        if (platz < 0 && (!ordner.mkdir("klein") || !ordner.cd("klein") ||
                          mount("tmpfs", qPrintable(ordner.path()), "tmpfs", 0, "size=64k") != 0))
            QSKIP(qPrintable("no small file system: " + QString::fromLocal8Bit(strerror(errno))));
        const auto aushängen = qScopeGuard([&] { platz < 0 && umount(qPrintable(ordner.path())); });
        const auto f = [&](const char* n) { return ordner.filePath(n); };
        schreibe(f("alt.FKT"), "alte Zeichnung\r\n"), QFile::setPermissions(f("alt.FKT"), QFileDevice::ReadOwner);
        schreibe(f("rw.FKT"), "alte Zeichnung\r\n"), schreibe(f("leer.FKT"), ""), mkfifo(qPrintable(f("fifo.FKT")), 0600);
        schreibe(f("bom.FKT"), "\xEF\xBB\xBF"), schreibe(f("zeilen.FKT"), "\r\n\r\n \n\t\r");  // an editor's empty UTF-8 file
        mknod(qPrintable(f("geraet")), S_IFCHR | 0600, makedev(1, 3)) == 0 || mkfifo(qPrintable(f("geraet")), 0600);
        QFile::link("/proc/self/mem", f("mem.FKT")), QFile::link(f("geraet"), f("geraet.FKT"));
        if (QFile füll(f("füll")); platz < 0 && füll.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // the disk filled up
            while (füll.write(QByteArray(512, 'x')) > 0) {}
        auto stand = [&, s = QStringList()]() mutable {  // every entry with its kind and content
            for (const QFileInfo& i : ordner.entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
                s << i.fileName() + ":" + (i.isSymLink() ? i.symLinkTarget() : i.isFile() ? lies(i.filePath()) : "*");
            return std::exchange(s, {});
        };
        const QStringList vorher = stand();
        const QImage bild = w.blatt().Bild();
        if (const QString grund = gesperrt ? sperre(ordner.path()) : QString(); !grund.isEmpty()) QSKIP(qPrintable(grund));
        const auto öffnen = qScopeGuard([&] { gesperrt && auf(ordner.path()).isEmpty(); });
        mitGrenze(platz, [&] { datei(w, menü.toUtf8().constData(), name.isEmpty() ? QString() : f(name.toUtf8().constData())); });
        const auto& m = w.plattform.meldungen;
        QVERIFY(m.size() == 1 && m[0].titel == "Bedaure..." && m[0].symbol == MsgSymbol::Kritisch);
        QCOMPARE(m[0].text, menü == "mnuSpeichern" ? "Die Datei wurde nicht gespeichert!" : "Es wurde keine Datei geöffnet!");
        QVERIFY(w.z.AnzFkt == 1 && w.blatt().Bild() == bild && w.f->Aktion("mnuZusätze_1")->text().endsWith("geladen.FKT"));
        QCOMPARE(stand(), vorher);
        // The dialog opens next where it was left, in the folder of the file tried.
        datei(w, menü.toUtf8().constData(), "");
        const DateiAufruf& d = w.plattform.dateiDialoge.back();
        QCOMPARE(d.ordner + " " + d.name, name.isEmpty() ? (menü == "mnuÖffnen" ? w.ordner.path() + " geladen.FKT" : " ")
                                                         : QFileInfo(f(name.toUtf8().constData())).absolutePath() + " " + name.section('/', -1));
    }
    void amOrt()
    {
        // The in-place write on its own under a 100-byte file-size limit: old bytes, new bytes, the most old bytes it
        // takes → what it reports and the file afterwards (lies gives "fehlt" for no file).
        const std::tuple<QByteArray, QByteArray, qint64, AmOrt, QByteArray> fälle[] = {
            {"alte Zeichnung\r\n", QByteArray(200, 'n'), 100, AmOrt::Zurückgesetzt, "alte Zeichnung\r\n"},
            {QByteArray(150, 'o'), QByteArray(200, 'n'), 1000, AmOrt::Beschädigt, QByteArray(150, 'o')},  // both writes refused
            {"alte Zeichnung\r\n", "neu\r\n", 100, AmOrt::Geschrieben, "neu\r\n"},  // a shorter file is cut
            {"alte Zeichnung\r\n", "neu\r\n", 15, AmOrt::Unverändert, "alte Zeichnung\r\n"},  // too large to hold
            {"fehlt", "neu\r\n", 100, AmOrt::Unverändert, "fehlt"},  // no file is made
        };
        for (const auto& [alt, neu, maxAlt, ergebnis, danach] : fälle) {
            QTemporaryDir tmp;
            const QString p = tmp.filePath("a.FKT");
            if (alt != "fehlt") schreibe(p, alt);
            AmOrt ist = AmOrt::Geschrieben;
            mitGrenze(100, [&] { ist = AmOrtErsetzen(p, neu, maxAlt); });
            QVERIFY2(ist == ergebnis && lies(p) == danach, alt.left(20).constData());
        }
    }
    void gesperrterOrdner_data()
    {
        // Saved through the menu over an older file of these bytes ("": none) in: a folder that takes no new file; one
        // where only a file's owner may replace it (sticky), by user and group 65534 over a file of user 65533 that the
        // group may write; an ordinary folder, with a name that leaves no room for a temporary one beside it.
        QTest::addColumn<int>("ort"), QTest::addColumn<QString>("name"), QTest::addColumn<QByteArray>("alt"), QTest::addColumn<bool>("gespeichert");
        const QString lang = QString(125, u'ü') + ".FKT";
        QTest::newRow("fest") << int(Fest) << "alt.FKT" << QByteArray(3000, 'a') << true;
        QTest::newRow("fest, zu groß") << int(Fest) << "alt.FKT" << QByteArray(FktDateiMaxGröße + 1, 'a') << false;
        QTest::newRow("klebrig") << int(Klebrig) << "alt.FKT" << QByteArray(3000, 'a') << true;
        QTest::newRow("langer Name") << int(Normal) << lang << QByteArray(3000, 'a') << true;
        QTest::newRow("langer Name, neu") << int(Normal) << lang << QByteArray() << true;
    }
    void gesperrterOrdner()
    {
        QFETCH(int, ort); QFETCH(QString, name); QFETCH(QByteArray, alt); QFETCH(bool, gespeichert);
        Fenster w;
        QDir ordner(w.ordner.path());
        ordner.mkdir("klasse"), ordner.cd("klasse");
        const QString p = ordner.filePath(name);
        if (!alt.isEmpty()) schreibe(p, alt);
        if (ort == Klebrig) {
            if (geteuid() != 0) QSKIP("acting as another user needs root");
            if (!QFile::setPermissions(w.ordner.path(), QFile::Permissions(0x7755)) || chmod(qPrintable(ordner.path()), 01777) != 0 ||
                chown(qPrintable(p), 65533, 65534) != 0 || chmod(qPrintable(p), 0664) != 0)
                QSKIP(qPrintable("no sticky folder: " + QString::fromLocal8Bit(strerror(errno))));
        }
        if (const QString grund = ort == Fest ? sperre(ordner.path()) : QString(); !grund.isEmpty()) QSKIP(qPrintable(grund));
        const auto öffnen = qScopeGuard([&] { ort == Fest && auf(ordner.path()).isEmpty(); });
        {
            const bool anderer = ort == Klebrig && setegid(65534) == 0 && seteuid(65534) == 0;
            const auto zurück = qScopeGuard([&] { anderer && seteuid(0) == 0 && setegid(0) == 0; });
            QVERIFY(anderer == (ort == Klebrig));
            datei(w, "mnuSpeichern", p);
        }
        QCOMPARE(lies(p), gespeichert ? lies(QFINDTESTDATA("data/leer.FKT")) : alt);
        QCOMPARE(ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), QStringList(name));
        QVERIFY(w.plattform.meldungen.size() == 1);
        QCOMPARE(w.plattform.meldungen[0].titel, gespeichert ? "Erfolgsmeldung..." : "Bedaure...");
        struct stat st{};
        QVERIFY(ort != Klebrig || (stat(qPrintable(p), &st) == 0 && st.st_uid == 65533));
    }
    void zufallsDateien()
    {
        // Mutated files for a bounded time, every 40th through the real command.
        Fenster w;
        const QByteArray basis = gold();
        const QByteArray stücke[] = {"\"", "\r\n", "\n", "\r", QByteArray(1, '\0'), "#TRUE#", "1e38", "-3.5E+39",
                                     "nan", "99", "-32769", "\"XX\"", "\"AP\"", "0", ".", "e", "\x80\x81\x9d"};
        QRandomGenerator zufall(20261206);
        QElapsedTimer uhr;
        for (int n = (uhr.start(), 0); uhr.elapsed() < 3000; ++n) {
            QByteArray b = basis;
            for (int k = zufall.bounded(1, 10); k > 0; --k) {
                switch (const int pos = zufall.bounded(int(b.size()) + 1); zufall.bounded(5)) {
                case 0: b.replace(pos, 1, QByteArray(1, char(zufall.bounded(256)))); break;
                case 1: b.insert(pos, stücke[zufall.bounded(int(std::size(stücke)))]); break;
                case 2: b.remove(pos, zufall.bounded(40)); break;
                case 3: b.insert(pos, b.mid(zufall.bounded(int(b.size()) + 1), zufall.bounded(80))); break;
                default: b = zufall.bounded(20) == 0 ? b.left(pos) : b;
                }
            }
            Zeichnung d = voll();
            QVERIFY2((FktDateiLesen(FktDateiDekodieren(b), d), gesund(d)), b.constData());
            if (n % 40 == 0) lade(w, b);
            QVERIFY2(gesund(tabellen(w.k())), b.constData());
        }
    }
};

TESSAROLEN_TEST_MAIN(FunctionFileTest)
#include "test_function_file.moc"
