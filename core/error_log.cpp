#include "core/error_log.h"

#include "app_info.h"
#include "core/platform.h"
#include "core/program_state.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSysInfo>

namespace {

QChar trenner(const QString& format, QChar vorgabe)
{
    for (const QChar c : format)
        if (!c.isLetter())
            return c;
    return vorgabe;
}

// "dd/mm/yyyy hh:nn:ss" with the date and time separators of the user's locale.
QString zeitstempel()
{
    const QLocale loc;
    const QChar d = trenner(loc.dateFormat(QLocale::ShortFormat), QChar('/'));
    const QChar t = trenner(loc.timeFormat(QLocale::ShortFormat), QChar(':'));
    const QDateTime jetzt = QDateTime::currentDateTime();
    const QString datum = QStringLiteral("dd%1MM%1yyyy").arg(d);
    const QString zeit = QStringLiteral("hh%1mm%1ss").arg(t);
    return jetzt.toString(datum + QChar(' ') + zeit);
}

}  // namespace

QString FehlerLogName()
{
    return QStringLiteral("%1-%2-%3-%4.LOG")
        .arg(QString::fromLatin1(app_info::Name))
        .arg(app_info::Major)
        .arg(app_info::Minor)
        .arg(app_info::Revision);
}

QString FehlerLogPfad(const QString& ordner)
{
    QString pfad = ordner;
    const QChar sep = QDir::separator();
    if (!pfad.endsWith(sep) && !pfad.endsWith(QChar('/')))
        pfad += sep;
    return pfad + FehlerLogName();
}

void FehlerMelden(Programmzustand& zustand, const LaufzeitFehler& fehler, const QString& ort)
{
    QString meldung;
    try {
        const QString rechner = QSysInfo::machineHostName();
        meldung = QStringLiteral("Problem entdeckt in ") + ort + QStringLiteral("\r\n") +
                  QString::number(fehler.Nummer) + QStringLiteral(" - ") + fehler.Beschreibung;
        QFile log(FehlerLogPfad(zustand.Programmpfad));
        if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
            const QString eintrag = zeitstempel() + QStringLiteral("\r\n") +
                                    QStringLiteral("Problem entdeckt im Computer ") + rechner +
                                    QStringLiteral("\r\n") + meldung + QStringLiteral("\r\n") +
                                    QString(80, QChar('-')) + QStringLiteral("\r\n");
            log.write(eintrag.toLatin1());
            log.close();
        }
    } catch (...) {
        // A failing step of the report is skipped; the box still comes.
    }
    try {
        if (zustand.plattform)
            zustand.plattform->MsgBox(meldung, MsgSymbol::Kritisch, MsgKnoepfe::OK,
                                      QString::fromLatin1(app_info::Name) +
                                          QStringLiteral(" Problem"));
    } catch (...) {
    }
}
