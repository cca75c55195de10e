#pragma once
// Writing a file so that a failure never loses the one it replaces.

#include <QByteArray>
#include <QString>

// Writes the bytes to the file at pfad, replacing an existing regular file
// (a link is followed and the file it leads to replaced; the link stays). A
// name that leads to a device, a pipe or a folder, or a file that none may
// write, is refused. The new bytes go to a temporary file beside the old one
// and take its place once written out; where no temporary file can be made
// or it may not take the old file's place (a folder that takes no new file,
// a shared folder with the sticky bit, a name with no room for the temporary
// one), an existing file of at most maxAmOrt bytes is written over in place
// (AmOrtErsetzen). False when anything fails; the old file is then as it was,
// unless putting its bytes back after a failed in-place write failed too.
bool DateiErsetzen(const QString& pfad, const QByteArray& inhalt, qint64 maxAmOrt);

enum class AmOrt {
    Geschrieben,    // the file holds the new bytes
    Unverändert,    // nothing written: the file holds its old bytes
    Zurückgesetzt,  // the write failed and the old bytes were put back
    Beschädigt,     // the write failed and so did putting the old bytes back
};

// Writes the bytes over the existing regular file at pfad in place. Its old
// bytes, at most maxAlt of them (a larger file is left alone), are held in
// memory and written back when the write fails; the file system may refuse
// that as well.
AmOrt AmOrtErsetzen(const QString& pfad, const QByteArray& inhalt, qint64 maxAlt);
