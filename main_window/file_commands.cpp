// "Speichern unter..." and "Öffnen..." in the "Datei" menu, and the entry of
// the last file opened at the end of that menu.

#include "core/error_log.h"
#include "core/platform.h"
#include "core/scroll_bar.h"
#include "main_window/file_save.h"
#include "main_window/function_file.h"
#include "main_window/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString Filter = QStringLiteral("Funktionsdateien (*.FKT)");

Zeichnung ZeichnungVon(const GraphCore& k)
{
    return {k.fkt, k.pkt, k.z.AnzFkt, k.z.AnzPkt, k.Überschrift, k.GleichungenAus};
}

// Where a file dialog was left: the chosen file's folder and name, whatever
// becomes of the file; a cancelled dialog leaves the last place.
void Merke(const QString& pfad, QString& ordner, QString& name)
{
    if (pfad.isEmpty())
        return;
    const QFileInfo info(pfad);
    ordner = info.absolutePath();
    name = info.fileName();
}

// The file's lines, none when it yields no line or its read fails.
QStringList Lesen(const QString& pfad)
{
    QFile datei(pfad);
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly))
        return {};
    const QByteArray inhalt = datei.read(FktDateiMaxGröße);
    if (datei.error() != QFileDevice::NoError)
        return {};
    return FktDateiDekodieren(inhalt);
}

}  // namespace

void frmTessarolen::mnuSpeichern_Click()
{
    Plattform& plattform = *z_.plattform;
    const QString pfad = plattform.DateiSpeichernDialog(QStringLiteral("Speichern unter"), Filter,
                                                        SpeichernOrdner, SpeichernName);
    Merke(pfad, SpeichernOrdner, SpeichernName);
    if (pfad.isEmpty() ||
        !DateiErsetzen(pfad, FktDateiKodieren(FktDateiZeilen(ZeichnungVon(*kern_))), FktDateiMaxGröße)) {
        plattform.MsgBox(QStringLiteral("Die Datei wurde nicht gespeichert!"), MsgSymbol::Kritisch,
                         MsgKnoepfe::OK, QStringLiteral("Bedaure..."));
        return;
    }
    const QFileInfo info(pfad);
    const QString ordner = QDir::toNativeSeparators(info.absolutePath() + QLatin1Char('/'));
    plattform.MsgBox(QStringLiteral("Die Datei: ") + info.fileName() + QLatin1Char('\r') +
                         QStringLiteral("wurde erfolgreich im Verzeichnis: ") + QLatin1Char('\r') +
                         ordner + QStringLiteral(" gespeichert!"),
                     MsgSymbol::Information, MsgKnoepfe::OK, QStringLiteral("Erfolgsmeldung..."));
}

void frmTessarolen::mnuÖffnen_Click()
{
    Plattform& plattform = *z_.plattform;
    const QString pfad = plattform.DateiÖffnenDialog(QStringLiteral("Öffnen"), Filter, ÖffnenOrdner,
                                                     ÖffnenName);
    Merke(pfad, ÖffnenOrdner, ÖffnenName);
    const QStringList zeilen = Lesen(pfad);
    if (zeilen.isEmpty()) {
        plattform.MsgBox(QStringLiteral("Es wurde keine Datei geöffnet!"), MsgSymbol::Kritisch,
                         MsgKnoepfe::OK, QStringLiteral("Bedaure..."));
        return;
    }

    // Only now that the file is read does the drawing on the sheet go.
    GraphCore& k = *kern_;
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuÖffnen_Click"));
    falle([&] { k.Löschen(); });
    Zeichnung d = ZeichnungVon(k);
    FktDateiLesen(zeilen, d);
    k.fkt = d.fkt;
    k.pkt = d.pkt;
    z_.AnzFkt = d.AnzFkt;
    z_.AnzPkt = d.AnzPkt;
    k.Überschrift = d.Überschrift;
    k.GleichungenAus = d.GleichungenAus;

    k.Zoom = 1.0f;
    k.NeuZeichnen(falle, {}, [&] { k.MenüTessarolenEintragen(); });
    falle([&] { k.MenüPunkteEintragen(); });
    falle([&] { VScroll1->SetzeValue(9); });
    Aktion(QStringLiteral("mnuFunktionsgleichungenAusblenden"))->setChecked(k.GleichungenAus);
    DateiEintrag(pfad);
}

void frmTessarolen::DateiEintrag(const QString& pfad)
{
    // One entry below the separator, showing the last file opened; clicking
    // it does nothing.
    QAction* trenner = Aktion(QStringLiteral("mnuZusätze_0"));
    QAction* eintrag = Aktion(QStringLiteral("mnuZusätze_1"));
    if (!eintrag) {
        trenner->setVisible(true);
        eintrag = Menü(QStringLiteral("mnuDatei"))->addAction(QString());
        eintrag->setObjectName(QStringLiteral("mnuZusätze_1"));
    }
    QString caption = QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    eintrag->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
}
