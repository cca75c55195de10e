#include "main_window/file_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
bool AufDiePlatte(QFile& datei)
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

}  // namespace

bool DateiErsetzen(const QString& pfad, const QByteArray& inhalt)
{
    const QFileInfo info(pfad);
    if ((info.exists() && !info.isFile()) || Schreibgeschützt(info))
        return false;
    const QString ziel = info.exists() ? info.canonicalFilePath() : pfad;
    // The whole file goes to a temporary file beside it and is put in place
    // only when complete and written out, so a failure (a full disk too)
    // leaves the old file as it was.
    QSaveFile datei(ziel);
    if (!datei.open(QIODevice::WriteOnly))
        return info.exists() && AmOrtErsetzen(ziel, inhalt);
    // A write that fails in the buffer shows only when the buffer is
    // flushed; commit would not report it.
    if (datei.write(inhalt) != inhalt.size() || !datei.flush() || datei.error() != QFileDevice::NoError) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

bool AmOrtErsetzen(const QString& pfad, const QByteArray& inhalt)
{
    if (!QFileInfo(pfad).isFile())
        return false;
    QFile datei(pfad);
    // Read and write without cutting the file at opening: its old bytes stay
    // on the disk until the new ones are written over them. Unbuffered, so
    // that a failed write leaves nothing behind to be written later.
    if (!datei.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const QByteArray alt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return false;
    if (Überschreiben(datei, inhalt))
        return true;
    datei.unsetError();
    Überschreiben(datei, alt);
    return false;
}
