#pragma once
// Writing a file so that a failure never loses the one it replaces.

#include <QByteArray>
#include <QString>

// Writes the bytes to the file at pfad, replacing an existing regular file
// (a link is followed and the file it leads to replaced; the link stays). A
// name that leads to a device, a pipe or a folder, or a file that none may
// write, is refused. False when anything fails; the old file is then as it
// was.
bool DateiErsetzen(const QString& pfad, const QByteArray& inhalt);

// Writes the bytes over the existing regular file at pfad in place, for a
// folder that takes no new file beside it: the old bytes are kept, and on any
// failure they are put back. False when anything fails.
bool AmOrtErsetzen(const QString& pfad, const QByteArray& inhalt);
