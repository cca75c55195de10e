#pragma once
// Every text of a number that the program shows, stores or reads goes
// through this module; no window formats a number by itself.
//
// Forms:
//  - StrText: locale-independent, decimal point, a leading blank before a
//    non-negative value and no zero before the point (" 5", "-4", " .5").
//  - ZahlText: plain text in the user's locale (0,5 / 2 / -1,5), rounded to
//    the given number of significant digits, trailing zeros dropped.
//  - RundeGerade: rounding half to even on the exact stored value.
//  - Val: reads a leading number written with a decimal point only.

#include <QString>
#include <QStringView>

// Locale-independent text with a leading blank; 15 significant digits for a
// 64-bit value, 7 for a 32-bit one.
QString StrText(double v, int signifikant = 15);
inline QString StrTextSingle(float v) { return StrText(static_cast<double>(v), 7); }

// Plain text in the user's locale; 7 significant digits for a 32-bit value.
QString ZahlText(double v, int signifikant = 15);
inline QString ZahlTextSingle(float v) { return ZahlText(static_cast<double>(v), 7); }

// Rounds half to even to the given number of decimals, on the exact binary
// value (0.125 gives 0.12; 0.135 stored as a 32-bit float gives 0.14).
double RundeGerade(double v, int stellen = 2);

// Plain text of the value rounded half to even to two decimals (2,5 / 3 / 0,12).
QString ZweiStellenText(double v);

// The point-only conversion: blanks are skipped, a leading number with an
// optional sign, a decimal point and an exponent is read, reading stops at
// the first other character. An empty text or a lone sign reads as 0. A value
// beyond the range of a 64-bit float raises the overflow error.
double Val(QStringView s);

// Pattern "#0.##": at least one digit before the separator, at most two
// after it, rounded half away from zero, the separator always written
// (2 -> "2,", 2.5 -> "2,5", -0.333 -> "-0,33").
QString FormatRaute0(double v);
// Pattern "#.00": exactly two decimals, no digit before the separator below 1
// (5 -> "5,00", 0.5 -> ",50").
QString FormatPunkt00(double v);

// Signed text rounded to two decimals for equation texts: "+2", "-1,5".
// The sign is that of x itself.
QString VorZeichen(float x);
// Sign, blank and the rest of s, by its first character, for the previews:
// VZ("3") = "+ 3", VZ("-2.5") = "- 2.5"; VZ_minus inverts the sign.
QString VZ(const QString& s);
QString VZ_minus(const QString& s);

// Tests a typed number and normalises it in place: commas become points, a
// fraction a/b becomes the text of its quotient (".666666666666667"; a slash
// at the end divides by 1). The first character may be a sign or a digit,
// later ones digits, "." "," or one "/"; at most one point before the slash
// and two in all. The empty text and a lone sign pass. A value that a 32-bit
// float cannot hold, or a fraction whose denominator reads as 0, is refused.
// A refused text keeps the replacements made up to the refusal.
bool IstZahl(QString& s);
