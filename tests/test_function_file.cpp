// Saving and opening drawings through the "Datei" menu: the bytes of the
// file, the round trip, hostile files, failures, and a fuzz run of the reader.

#include "core/check_box_array.h"
#include "core/error_log.h"
#include "core/scroll_bar.h"
#include "core/selection_dialogs.h"
#include "main_window/function_file.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QRandomGenerator>
#include <cmath>

namespace {
QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}
void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
}
void datei(Fenster& w, const char* menü, const QString& pfad)
{
    w.plattform.dateiAntworten.push_back(pfad);
    w.menü(menü);
}

// Three functions and four points, every other slot, label and flag filled
// with values of at most 7 significant digits.
Zeichnung volleZeichnung()
{
    const float werte[] = {2.5f, -0.125f, 1234567.0f, 1.5e-7f, -3e38f, 0.1f, 12345670.0f, -42.75f, 1e-5f, 99999.99f};
    const float lagen[] = {1.5f, -2.25f, 3.0f, 0.75f, -4.5f, 6.125f, -7.0f};
    int n = 0;
    Zeichnung d;
    FunktionsTabelle& f = d.fkt;
    for (int i = 1; i <= 10; ++i) {
        for (auto* feld : {&f.m, &f.b, &f.a, &f.c, &f.p, &f.q, &f.xs, &f.ys, &f.xSenkrecht, &f.xSenkrecht2})
            (*feld)[i] = werte[n++ % 10];
        f.FktText[i] = QStringLiteral("t%1").arg(i);
        f.FktArt[i] = QStringLiteral("Q%1").arg(i);
    }
    for (int i = 1; i <= 12; ++i)
        for (auto* feld : {&f.FktLabelX, &f.FktLabelY, &d.pkt.PktX, &d.pkt.PktY, &d.pkt.PktLabelX, &d.pkt.PktLabelY})
            (*feld)[i] = lagen[n++ % 7];
    for (int i = 1; i <= 10; ++i)
        d.pkt.PktName[i] = QString(QChar(u"PNTSQ"[i % 5]));
    f.FktArt[1] = "GE", f.a[1] = 0, f.m[1] = 0.5f, f.b[1] = -2;
    f.FktArt[2] = "SP", f.a[2] = 1, f.xs[2] = 1, f.ys[2] = -4, f.p[2] = -2, f.q[2] = -3;
    f.FktArt[3] = "AP", f.a[3] = -0.5f, f.b[3] = f.xs[3] = 2, f.c[3] = f.ys[3] = f.q[3] = 3, f.p[3] = 0;
    for (int i = 1; i <= 4; ++i)
        d.pkt.PktX[i] = float(i) - 2.5f, d.pkt.PktY[i] = 1.25f * float(i);
    d.AnzFkt = 3, d.AnzPkt = 4;
    d.Überschrift = QStringLiteral("Übung 3 – Parabeln, Teil 1 (ß)");
    d.GleichungenAus = true;
    return d;
}

// Counters within the tables, every number finite, every function's kind
// known and agreeing with its values.
bool gesund(const FunktionsTabelle& f, const PunktTabelle& p, int anzFkt, int anzPkt)
{
    bool ok = anzFkt >= 0 && anzFkt <= 10 && anzPkt >= 0 && anzPkt <= 10;
    for (auto* feld : {&f.m, &f.b, &f.a, &f.c, &f.p, &f.q, &f.xs, &f.ys, &f.xSenkrecht, &f.xSenkrecht2})
        ok = ok && std::all_of(feld->begin(), feld->end(), [](float v) { return std::isfinite(v); });
    for (auto* feld : {&f.FktLabelX, &f.FktLabelY, &p.PktX, &p.PktY, &p.PktLabelX, &p.PktLabelY})
        ok = ok && std::all_of(feld->begin(), feld->end(), [](float v) { return std::isfinite(v); });
    for (int i = 1; ok && i <= anzFkt; ++i) {
        const QString& art = f.FktArt[i];
        ok = QStringList{"GE", "NP", "SP", "AP"}.contains(art) && (f.a[i] == 0) == (art == "GE") &&
             (art != "AP" || (f.xs[i] == f.b[i] && f.ys[i] == f.c[i])) &&
             (art == "GE" || art == "AP" || f.a[i] == 1);
    }
    return ok;
}

void übernimm(GraphCore& k, const Zeichnung& d)
{
    const auto farben = k.fkt.Farbe;
    k.fkt = d.fkt, k.pkt = d.pkt, k.fkt.Farbe = farben;
    k.z.AnzFkt = d.AnzFkt, k.z.AnzPkt = d.AnzPkt;
    k.Überschrift = d.Überschrift, k.GleichungenAus = d.GleichungenAus;
    Falle falle(k.z, QStringLiteral("test"));
    k.NeuZeichnen(falle, {}, [&] { k.MenüTessarolenEintragen(); });
    k.MenüPunkteEintragen();
}
Zeichnung tabellen(GraphCore& k)
{
    return {k.fkt, k.pkt, k.z.AnzFkt, k.z.AnzPkt, k.Überschrift, k.GleichungenAus};
}
QStringList listen(GraphCore& k)
{
    QStringList t;
    for (ChkFeld* feld : {&k.FktWahl().chkFkt, &k.PktWahl().chkPkt})
        for (int e = 0; e < ChkFeld::Elemente; ++e)
            t << (feld->Existiert(e) ? (*feld)(e).text() : QString());
    return t;
}
}  // namespace

class FunctionFileTest : public QObject {
    Q_OBJECT
private slots:
    void leereZeichnungUndErsteGerade()
    {
        Fenster w;
        const QString pfad = w.ordner.filePath(QStringLiteral("leer.FKT"));
        datei(w, "mnuSpeichern", pfad);
        QCOMPARE(lies(pfad), lies(QFINDTESTDATA("data/leer.FKT")));
        const MsgAufruf& m = w.plattform.meldungen.back();
        QCOMPARE(m.text, "Die Datei: leer.FKT\rwurde erfolgreich im Verzeichnis: \r" +
                             QDir::toNativeSeparators(w.ordner.path() + "/") + " gespeichert!");
        QVERIFY(m.titel == "Erfolgsmeldung..." && m.symbol == MsgSymbol::Information);

        w.z.AnzFkt = 1, w.k().fkt.FktArt[1] = "GE", w.k().fkt.m[1] = 2, w.k().fkt.b[1] = 1;
        w.k().FunktionZeichnen(1);
        datei(w, "mnuSpeichern", pfad);
        QCOMPARE(lies(pfad).split('\n').mid(0, 12).join('\n'),
                 "2\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\"GE\"\r\n\"y=2x+1\"\r\n0\r\n0\r");
        const DateiAufruf& d = w.plattform.dateiDialoge.back();  // the last folder and name kept
        QVERIFY(d.speichern && d.filter == "Funktionsdateien (*.FKT)" && d.ordner == w.ordner.path() && d.name == "leer.FKT");
    }

    void hinUndZurueck()
    {
        Fenster w;
        GraphCore& k = w.k();
        übernimm(k, volleZeichnung());
        const QImage bild = w.blatt().Bild();
        const QStringList vorher = FktDateiZeilen(tabellen(k)), einträge = listen(k);
        const QString pfad = w.ordner.filePath(QStringLiteral("a&b.FKT")), zweite = w.ordner.filePath("z.FKT");
        datei(w, "mnuSpeichern", pfad);
        QVERIFY(lies(pfad).contains("\r\n\"\xDC" "bung 3 \x96 Parabeln, Teil 1 (\xDF)\"\r\n#TRUE#\r\n"));
        w.menü("mnuLöscheFunktion");
        QCOMPARE(w.z.AnzFkt + w.z.AnzPkt, 0);
        datei(w, "mnuÖffnen", pfad);
        QCOMPARE(FktDateiZeilen(tabellen(k)), vorher);
        QCOMPARE(listen(k), einträge);
        QVERIFY(w.blatt().Bild() == bild);
        QVERIFY(w.f->Aktion("mnuFunktionsgleichungenAusblenden")->isChecked() && w.f->VScroll1->Value() == 9);
        QVERIFY(w.f->Aktion("mnuZusätze_0")->isVisible());
        QCOMPARE(w.f->Aktion("mnuZusätze_1")->text(), QDir::toNativeSeparators(pfad).replace("&", "&&"));
        QVERIFY(QFile::copy(pfad, zweite));
        datei(w, "mnuÖffnen", zweite);
        QCOMPARE(w.f->Menü("mnuDatei")->actions().count(), 10);
        QCOMPARE(w.f->Aktion("mnuZusätze_1")->text(), QDir::toNativeSeparators(zweite));
        QCOMPARE(w.plattform.meldungen.size(), size_t(1));  // the one "Erfolgsmeldung..."
    }

    void fremdeDateien()
    {
        QRandomGenerator zufall(7);
        QByteArray müll(1 << 20, '\0');
        for (char& c : müll)
            c = char(zufall.bounded(256));
        const QList<QByteArray> leer = lies(QFINDTESTDATA("data/leer.FKT")).split('\n');
        struct Fall {
            const char* name;
            QList<std::pair<int, QByteArray>> zeilen;  // line number, text; line 0 cuts the file there
            const char* erwartet;  // AnzFkt AnzPkt FktArt(1) a(1) m(1) b(1) FktText(1) Überschrift
        } fälle[] = {
            {"kurz", {{1, "2"}, {2, "1"}, {9, "\"GE\""}, {0, ""}}, "0 0 GE 0 2 1  "},
            {"Müll in Zahlen", {{1, "abc"}, {2, "1e39"}, {3, "nan"}, {4, "inf"}, {9, "GE"}, {155, "1"}}, "1 0 GE 0 0 0 y=0 "},
            {"Zähler", {{155, "99"}, {156, "-3"}}, "10 0 GE 0 0 0 y=0 "},
            {"Art XX", {{3, "2"}, {7, "1"}, {8, "-4"}, {9, "\"XX\""}, {155, "1"}}, "1 0 AP 2 0 1 y=2(x-1)²-4 "},
            {"AP mit a = 0", {{2, "2"}, {4, "3"}, {9, "\"AP\""}, {155, "1"}}, "1 0 GE 0 0 3 y=+3 "},
            {"NP mit a = 0", {{5, "4"}, {6, "3"}, {9, "\"NP\""}, {155, "1"}}, "1 0 NP 1 0 0 y=x²+4x+3 "},
            {"Formen", {{1, ".5"}, {2, "-2.5E+00"}, {9, "\"GE\",x"}, {155, "1.4"}}, "1 0 GE 0 0.5 -2.5 y=0,5x-2,5 "},
            {"NUL, 1252", {{157, QByteArray("\"a\0b \x96\x81\"", 8)}, {207, müll}}, "0 0  0 0 0  ab –"},
            {"Megabyte", {{1, müll}}, nullptr},
        };
        for (const Fall& fall : fälle) {
            Fenster w;
            übernimm(w.k(), volleZeichnung());
            QList<QByteArray> zeilen = leer;
            for (const auto& [nr, text] : fall.zeilen)
                nr == 0 ? void(zeilen = zeilen.mid(0, 12)) : void(zeilen[nr - 1] = text + '\r');
            const QString pfad = w.ordner.filePath(QStringLiteral("fremd.FKT"));
            schreibe(pfad, zeilen.join('\n'));
            datei(w, "mnuÖffnen", pfad);
            const FunktionsTabelle& f = w.k().fkt;
            const QString ist = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8").arg(w.z.AnzFkt).arg(w.z.AnzPkt).arg(f.FktArt[1])
                                    .arg(f.a[1]).arg(f.m[1]).arg(f.b[1]).arg(f.FktText[1], w.k().Überschrift);
            QVERIFY2(!fall.erwartet || ist == QString::fromUtf8(fall.erwartet), qPrintable(fall.name + (": " + ist)));
            QVERIFY2(gesund(f, w.k().pkt, w.z.AnzFkt, w.z.AnzPkt) && w.plattform.meldungen.empty(), qPrintable(fall.name + w.plattform.Texte().join(" ")));
        }
    }

    void fehlschlaege()
    {
        struct Fall {
            const char* menü;
            QString pfad;  // relative to the test folder; "" cancels
            const char* meldung;
        } fälle[] = {
            {"mnuÖffnen", "", "Es wurde keine Datei geöffnet!"},
            {"mnuÖffnen", "fehlt.FKT", "Es wurde keine Datei geöffnet!"},
            {"mnuÖffnen", ".", "Es wurde keine Datei geöffnet!"},
            {"mnuSpeichern", "", "Die Datei wurde nicht gespeichert!"},
            {"mnuSpeichern", "alt.FKT/neu.FKT", "Die Datei wurde nicht gespeichert!"},
            {"mnuSpeichern", "alt.FKT", "Die Datei wurde nicht gespeichert!"},
        };
        for (const Fall& fall : fälle) {
            Fenster w;
            übernimm(w.k(), volleZeichnung());
            const QString alt = w.ordner.filePath(QStringLiteral("alt.FKT"));
            schreibe(alt, "alte Zeichnung\r\n");
            QFile::setPermissions(alt, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            const QImage bild = w.blatt().Bild();
            datei(w, fall.menü, fall.pfad.isEmpty() ? QString() : w.ordner.filePath(fall.pfad));
            QCOMPARE(w.plattform.meldungen.size(), size_t(1));
            const MsgAufruf& m = w.plattform.meldungen.back();
            QVERIFY(m.text == fall.meldung && m.titel == "Bedaure..." && m.symbol == MsgSymbol::Kritisch);
            QVERIFY(w.z.AnzFkt == 3 && w.blatt().Bild() == bild && lies(alt) == "alte Zeichnung\r\n");
            QCOMPARE(QDir(w.ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.FKT"});
        }
    }

    void zufallsDateien()
    {
        // Mutated files for a bounded time: the reader never leaves a value
        // that is not finite or a function that disagrees with its kind;
        // every 40th file goes through the real command.
        Fenster w;
        const QString pfad = w.ordner.filePath(QStringLiteral("zufall.FKT"));
        const QByteArray basis = FktDateiKodieren(FktDateiZeilen(volleZeichnung()));
        const QByteArray stücke[] = {"\"", "\r\n", "\n", "\r", QByteArray(1, '\0'), "#TRUE#", "1e38", "-3.5E+39", "nan",
                                     "99", "-32769", "\"XX\"", "\"AP\"", "0", ".", "e", "\x80\x81\x9d", "\r\n3\r\n"};
        QRandomGenerator zufall(20261206);
        QElapsedTimer uhr;
        uhr.start();
        for (int n = 0; uhr.elapsed() < 3000; ++n) {
            QByteArray b = basis;
            for (int k = zufall.bounded(1, 10); k > 0; --k) {
                const int pos = zufall.bounded(int(b.size()) + 1);
                switch (zufall.bounded(5)) {
                case 0:
                    if (!b.isEmpty())
                        b[std::min<qsizetype>(pos, b.size() - 1)] = char(zufall.bounded(256));
                    break;
                case 1: b.insert(pos, stücke[zufall.bounded(int(std::size(stücke)))]); break;
                case 2: b.remove(pos, zufall.bounded(40)); break;
                case 3: b.insert(pos, b.mid(zufall.bounded(int(b.size()) + 1), zufall.bounded(80))); break;
                default: b = zufall.bounded(20) == 0 ? b.left(pos) : b;
                }
            }
            Zeichnung d = volleZeichnung();
            FktDateiLesen(FktDateiDekodieren(b), d);
            QVERIFY2(gesund(d.fkt, d.pkt, d.AnzFkt, d.AnzPkt), b.constData());
            if (n % 40 == 0) {
                schreibe(pfad, b);
                datei(w, "mnuÖffnen", pfad);
                QVERIFY2(gesund(w.k().fkt, w.k().pkt, w.z.AnzFkt, w.z.AnzPkt), b.constData());
            }
        }
    }
};

TESSAROLEN_TEST_MAIN(FunctionFileTest)
#include "test_function_file.moc"
