// Saving and opening drawings through the "Datei" menu: the bytes, the round trip, hostile files, failures, fuzz.

#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "main_window/function_file.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"
#include <QElapsedTimer>
#include <QMenu>
#include <QRandomGenerator>
#include <cmath>
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
// The line y = 2x + 1, two parabolas, four points; every other slot filled, at most 7 significant digits.
Zeichnung volleZeichnung()
{
    const float werte[] = {2.5f, -0.125f, 1234567, 1.5e-7f, -3e38f, 0.1f, 12345670, -42.75f, 1e-5f, 99999.99f, 5.125f, -7};
    Zeichnung d{{}, {}, 3, 4, QStringLiteral("Übung 3 – Parabeln, Teil 1 (ß)"), true};
    FunktionsTabelle& f = d.fkt;
    zahlenfelder(f, d.pkt, [&, n = 0](auto& feld, int anzahl) mutable {  // labels and points on the sheet
        for (int i = 1; i <= anzahl; ++i) feld[i] = anzahl == 10 ? werte[n++ % 12] : werte[n++ % 2 + 10] + 0.25f * float(i);
    });
    for (int i = 1; i <= 10; ++i)
        f.FktText[i] = QStringLiteral("\"t%1\"").arg(i), f.FktArt[i] = "Q", d.pkt.PktName[i] = QChar(u"PNTSQ"[i % 5]);
    f.FktArt[1] = "GE", f.m[1] = 2, f.b[1] = 1;
    f.a[1] = f.c[1] = f.p[1] = f.q[1] = f.xs[1] = f.ys[1] = f.xSenkrecht[1] = f.xSenkrecht2[1] = 0;
    f.FktArt[2] = "SP", f.a[2] = 1, f.xs[2] = 1, f.ys[2] = -4, f.p[2] = -2, f.q[2] = -3;
    f.FktArt[3] = "AP", f.a[3] = -0.5f, f.b[3] = f.xs[3] = 2, f.c[3] = f.ys[3] = f.q[3] = 3, f.p[3] = 0;
    return d;
}
// Counters within the tables, every number finite, every function's kind known and agreeing with its values.
bool gesund(const Zeichnung& d)
{
    const FunktionsTabelle& f = d.fkt;
    bool ok = d.AnzFkt >= 0 && d.AnzFkt <= 10 && d.AnzPkt >= 0 && d.AnzPkt <= 10;
    zahlenfelder(f, d.pkt, [&](const auto& feld, int) { for (float v : feld) ok = ok && std::isfinite(v); });
    for (int i = 1; ok && i <= d.AnzFkt; ++i) {
        const QString& art = f.FktArt[i];
        ok = QStringList{"GE", "NP", "SP", "AP"}.contains(art) && (f.a[i] == 0) == (art == "GE") &&
             (art != "AP" || (f.xs[i] == f.b[i] && f.ys[i] == f.c[i])) && (art == "GE" || art == "AP" || f.a[i] == 1);
    }
    return ok;
}
Zeichnung tabellen(GraphCore& k) { return {k.fkt, k.pkt, k.z.AnzFkt, k.z.AnzPkt, k.Überschrift, k.GleichungenAus}; }
// Opens a file of these bytes (the full drawing) through the menu and removes the file again.
void lade(Fenster& w, const QByteArray& inhalt = FktDateiKodieren(FktDateiZeilen(volleZeichnung())))
{
    const QString pfad = w.ordner.filePath("geladen.FKT");
    schreibe(pfad, inhalt), datei(w, "mnuÖffnen", pfad), QFile::remove(pfad);
}
}  // namespace

class FunctionFileTest : public QObject {
    Q_OBJECT
private slots:
    void speichernUndOeffnen()
    {
        Fenster w;
        const QString leer = w.ordner.filePath("leer.FKT"), pfad = w.ordner.filePath("a&b.FKT");
        datei(w, "mnuSpeichern", leer);
        QCOMPARE(lies(leer), lies(QFINDTESTDATA("data/leer.FKT")));
        const MsgAufruf m = w.plattform.meldungen.back();
        QCOMPARE(m.titel + m.text, "Erfolgsmeldung...Die Datei: leer.FKT\rwurde erfolgreich im Verzeichnis: \r" +
                                       QDir::toNativeSeparators(w.ordner.path() + "/") + " gespeichert!");
        QCOMPARE(m.symbol, MsgSymbol::Information);
        lade(w);
        const QImage bild = w.blatt().Bild();
        datei(w, "mnuSpeichern", pfad);
        const DateiAufruf& d = w.plattform.dateiDialoge.back();  // the last folder and name kept
        QVERIFY(d.filter == "Funktionsdateien (*.FKT)" && d.ordner == w.ordner.path() && d.name == "leer.FKT");
        const QByteArray inhalt = lies(pfad);
        QVERIFY(inhalt.startsWith("2\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\"GE\"\r\n\"y=2x+1\"\r\n0\r\n0\r\n"));
        QVERIFY(inhalt.contains("\r\n\"\xDC" "bung 3 \x96 Parabeln, Teil 1 (\xDF)\"\r\n#TRUE#\r\n"));
        QVERIFY(inhalt.contains("\r\n\"\x84t4\x93\"\r\n"));  // a double quote in a text
        for (const char* zahl : {"\n1.234567E+07\r", "\n1.5E-07\r", "\n0.00001\r", "\n99999.99\r", "\n-3E+38\r"})
            QVERIFY2(inhalt.contains(zahl), zahl);
        w.f->VScroll1->SetzeValue(3), datei(w, "mnuÖffnen", pfad);  // opening resets the view
        Zeichnung soll = volleZeichnung();
        soll.fkt.FktText = w.k().fkt.FktText;  // the equations as drawn
        QCOMPARE(FktDateiZeilen(tabellen(w.k())), FktDateiZeilen(soll));
        QVERIFY(w.blatt().Bild() == bild && w.k().FktWahl().chkFkt.Existiert(2) && w.k().PktWahl().chkPkt.Existiert(3));
        QVERIFY(w.f->VScroll1->Value() == 9 && w.f->Aktion("mnuFunktionsgleichungenAusblenden")->isChecked());
        QCOMPARE(w.f->Aktion("mnuZusätze_1")->text(), QDir::toNativeSeparators(pfad).replace("&", "&&"));
    }
    void fremdeDateien()
    {
        QByteArray müll(1 << 20, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(müll.data()), müll.size() / 4);
        const QList<QByteArray> leer = lies(QFINDTESTDATA("data/leer.FKT")).split('\n');
        // Lines replaced (0 cuts after line 12) → AnzFkt AnzPkt, FktArt a m b FktText of function 1, heading.
        const std::pair<QList<std::pair<int, QByteArray>>, const char*> fälle[] = {
            {{{1, "2"}, {2, "1"}, {9, "\"GE\""}, {0, ""}}, "0 0 GE 0 2 1  "},
            {{{1, "abc"}, {2, "1e39"}, {3, "nan"}, {4, "inf"}, {9, "GE"}, {155, "1"}}, "1 0 GE 0 0 0 y=0 "},
            {{{155, "99"}, {156, "-3"}}, "10 0 GE 0 0 0 y=0 "},
            {{{3, "2"}, {7, "1"}, {8, "-4"}, {9, "\"XX\""}, {155, "1"}}, "1 0 AP 2 0 1 y=2(x-1)²-4 "},
            {{{2, "2"}, {4, "3"}, {9, "\"AP\""}, {155, "1"}}, "1 0 GE 0 0 3 y=+3 "},  // a = 0
            {{{5, "4"}, {6, "3"}, {9, "\"NP\""}, {155, "1"}}, "1 0 NP 1 0 0 y=x²+4x+3 "},
            {{{1, ".5"}, {2, "-2.5E+00"}, {9, "\"GE\",x"}, {155, "1.4"}}, "1 0 GE 0 0.5 -2.5 y=0,5x-2,5 "},
            {{{157, QByteArray("\"a\0b \x96\x81\"", 8)}, {207, müll}}, "0 0  0 0 0  ab –"},
            {{{1, müll}}, nullptr},
            {{{5, "3e38"}, {9, "\"NP\""}, {155, "1"}}, nullptr},  // the vertex beyond the range of a float
        };
        for (const auto& [ersetzt, erwartet] : fälle) {
            Fenster w;
            lade(w);
            QList<QByteArray> zeilen = leer;
            for (const auto& [nr, text] : ersetzt)
                nr == 0 ? void(zeilen = zeilen.mid(0, 12)) : void(zeilen[nr - 1] = text + '\r');
            lade(w, zeilen.join('\n'));
            const FunktionsTabelle& f = w.k().fkt;
            const QString ist = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8").arg(w.z.AnzFkt).arg(w.z.AnzPkt)
                .arg(f.FktArt[1]).arg(f.a[1]).arg(f.m[1]).arg(f.b[1]).arg(f.FktText[1], w.k().Überschrift);
            QVERIFY2((!erwartet || ist == QString::fromUtf8(erwartet)) && gesund(tabellen(w.k())), qPrintable(ist));
            QVERIFY(w.plattform.meldungen.empty() && w.f->Aktion("mnuZusätze_0")->isVisible());
            QCOMPARE(w.f->Menü("mnuDatei")->actions().count(), 10);  // one entry for the last file
        }
    }
    void fehlschlaege()
    {
        // Cancelled (""), or a path in the test folder, where alt.FKT is read-only.
        for (const auto& [menü, name] : {std::pair{"mnuÖffnen", ""}, {"mnuÖffnen", "fehlt.FKT"}, {"mnuÖffnen", "."},
                                         {"mnuSpeichern", ""}, {"mnuSpeichern", "alt.FKT/neu.FKT"}, {"mnuSpeichern", "alt.FKT"}}) {
            Fenster w;
            lade(w);
            const QString alt = w.ordner.filePath(QStringLiteral("alt.FKT"));
            schreibe(alt, "alte Zeichnung\r\n"), QFile::setPermissions(alt, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            const QImage bild = w.blatt().Bild();
            datei(w, menü, *name ? w.ordner.filePath(name) : QString());
            const auto& m = w.plattform.meldungen;
            QVERIFY(m.size() == 1 && m[0].titel == "Bedaure..." && m[0].symbol == MsgSymbol::Kritisch);
            QCOMPARE(m[0].text, QByteArray(menü) == "mnuSpeichern" ? "Die Datei wurde nicht gespeichert!"
                                                                   : "Es wurde keine Datei geöffnet!");
            QVERIFY(w.z.AnzFkt == 3 && w.blatt().Bild() == bild && lies(alt) == "alte Zeichnung\r\n");
            QCOMPARE(QDir(w.ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.FKT"});
        }
    }
    void zufallsDateien()
    {
        // Mutated files for a bounded time, every 40th through the real command.
        Fenster w;
        const QByteArray basis = FktDateiKodieren(FktDateiZeilen(volleZeichnung()));
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
            Zeichnung d = volleZeichnung();
            FktDateiLesen(FktDateiDekodieren(b), d);
            QVERIFY2(gesund(d), b.constData());
            if (n % 40 == 0) lade(w, b);
            QVERIFY2(gesund(tabellen(w.k())), b.constData());
        }
    }
};

TESSAROLEN_TEST_MAIN(FunctionFileTest)
#include "test_function_file.moc"
