#pragma once
// Mouse pointers from cursor files (.cur): the picture comes through Qt's
// image reader, the hot spot from the file's own header, which that reader
// leaves out.

#include <QCursor>
#include <QString>
#include <optional>

// The pointer in the file; nothing when the file is missing, is no cursor
// file, or its hot spot lies outside its picture.
std::optional<QCursor> LadeCursor(const QString& pfad);
