#include "main_window/file_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <new>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// True when the file exists and none may write it (the owner included).
bool Schreibgeschützt(const QFileInfo& info)
{
    constexpr auto schreiben = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && !(info.permissions() & schreiben);
}

// Written bytes on the disk, not only in the system's cache: a full disk may
// show only here.
bool AufDiePlatte(QFileDevice& datei)
{
    if (!datei.flush())
        return false;
#if defined(Q_OS_WIN)
    return _commit(datei.handle()) == 0;
#else
    return ::fsync(datei.handle()) == 0;
#endif
}

// The bytes from the start of the file on, and the file cut after them.
bool Überschreiben(QFile& datei, const QByteArray& inhalt)
{
    return datei.seek(0) && datei.write(inhalt) == inhalt.size() && datei.resize(inhalt.size()) &&
           AufDiePlatte(datei) && datei.error() == QFileDevice::NoError;
}

// The steps of DateiErsetzen; may throw when memory runs out.
bool Ersetzen(const QString& pfad, const QByteArray& inhalt, qint64 maxAmOrt)
{
    const QFileInfo info(pfad);
    if ((info.exists() && !info.isFile()) || Schreibgeschützt(info))
        return false;
    const QString ziel = info.exists() ? info.canonicalFilePath() : pfad;
    const auto amOrt = [&] {
        return info.exists() && AmOrtErsetzen(ziel, inhalt, maxAmOrt) == AmOrt::Geschrieben;
    };
    // The whole file goes to a temporary file beside it and is put in place
    // only when complete and written out, so a failure (a full disk too)
    // leaves the old file as it was.
    QSaveFile datei(ziel);
    if (!datei.open(QIODevice::WriteOnly))
        return amOrt();
    // A write that fails in the buffer or on the way to the disk shows only
    // here; commit would not report it.
    if (datei.write(inhalt) != inhalt.size() || !AufDiePlatte(datei) ||
        datei.error() != QFileDevice::NoError) {
        datei.cancelWriting();
        return false;
    }
    // The new bytes are on the disk; what fails now is the temporary file
    // taking the old one's place. It is gone then, and the old file is
    // written over where it stands.
    return datei.commit() || amOrt();
}

}  // namespace

bool DateiErsetzen(const QString& pfad, const QByteArray& inhalt, qint64 maxAmOrt)
{
    try {
        return Ersetzen(pfad, inhalt, maxAmOrt);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

AmOrt AmOrtErsetzen(const QString& pfad, const QByteArray& inhalt, qint64 maxAlt)
{
    if (!QFileInfo(pfad).isFile())
        return AmOrt::Unverändert;
    QFile datei(pfad);
    // Read and write without creating or cutting the file at opening: its
    // old bytes stay on the disk until the new ones are written over them.
    // Unbuffered, so that a failed write leaves nothing behind to be written
    // later.
    if (!datei.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly) ||
        datei.size() > maxAlt)
        return AmOrt::Unverändert;
    const QByteArray alt = datei.read(maxAlt + 1);
    if (datei.error() != QFileDevice::NoError || alt.size() > maxAlt)
        return AmOrt::Unverändert;
    if (Überschreiben(datei, inhalt))
        return AmOrt::Geschrieben;
    datei.unsetError();
    return Überschreiben(datei, alt) ? AmOrt::Zurückgesetzt : AmOrt::Beschädigt;
}
