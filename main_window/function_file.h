#pragma once
// The function file "*.FKT": a drawing as 206 text lines, one value per line,
// in Windows-1252 with CR LF line ends. Numbers have a decimal point, texts
// stand between double quotes, Booleans are #TRUE# / #FALSE#. These are free
// functions between the tables and the lines, without any window.

#include "core/tables.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

inline constexpr int FktDateiZeilenzahl = 206;
// The largest file that is read as a function file (one holds a few
// kilobytes), and the largest that saving writes over in place.
inline constexpr qint64 FktDateiMaxGröße = 4 * 1024 * 1024;
// The most characters a text of a function file keeps; the heading is cut to
// them where it is entered, so that it comes back as it was saved.
inline constexpr int FktDateiTextLänge = 255;

// Everything a function file holds (the colours in `fkt` are not part of it).
struct Zeichnung {
    FunktionsTabelle fkt;
    PunktTabelle pkt;
    int16_t AnzFkt = 0;
    int16_t AnzPkt = 0;
    QString Überschrift;
    bool GleichungenAus = false;
};

// The 206 lines of the drawing, without line ends.
QStringList FktDateiZeilen(const Zeichnung& d);

// Reads the lines into the drawing, in file order. A line that cannot be read
// into its variable (a text where a number belongs, a number that is not
// finite or too large to be drawn at 1 LE = 2 cm, a missing line) leaves that
// variable as it was. Afterwards the counters lie in 0 ... 10 and every
// function up to the counter has a known kind whose values agree with it: a
// normal-form parabola's vertex follows from p and q, a vertex-form
// parabola's p and q from its vertex.
void FktDateiLesen(const QStringList& zeilen, Zeichnung& d);

// Lines to the bytes of the file: Windows-1252, every line ended by CR LF.
QByteArray FktDateiKodieren(const QStringList& zeilen);
// Bytes of a file to at most 206 lines. Lines end at LF, and carriage
// returns at either end of a line are dropped (CR LF, CR CR LF, LF CR); a
// file without any LF ends its lines at CR. A file that begins with the
// UTF-8 byte-order mark is read as UTF-8, any other in Windows-1252. No
// lines at all when none holds anything but blanks: such a file is empty.
QStringList FktDateiDekodieren(const QByteArray& inhalt);

// A text in its composed form (a letter and its combining marks as one
// character where there is one), cut to the characters a function file
// keeps (FktDateiTextLänge), never in the middle of a character.
QString FktDateiText(const QString& s);

// A 32-bit float as the file writes it: decimal point, the fewest significant
// digits that read back to the same value, or the value rounded to 7 when
// that needs more; no trailing zeros or point; exponent form from 1E+07 and
// below 1E-05 ("0.5", "-2", "200000" for 199999.99, "1.5E+07").
QString FktZahlText(float v);
