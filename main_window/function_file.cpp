#include "main_window/function_file.h"

#include "core/analysis_math.h"
#include "core/runtime_error.h"

#include <QRegularExpression>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

// ---- Windows-1252 --------------------------------------------------------

// The characters of bytes 0x80 ... 0x9F; 0 where the code page has none.
constexpr char16_t Cp1252Hoch[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of a character, -1 when the code page lacks it.
int Cp1252Byte(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return int(u);
    for (int i = 0; i < 32; ++i)
        if (Cp1252Hoch[i] != 0 && Cp1252Hoch[i] == u)
            return 0x80 + i;
    return -1;
}

QChar AusCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && Cp1252Hoch[byte - 0x80] != 0)
        return QChar(Cp1252Hoch[byte - 0x80]);
    return QChar(byte);  // the bytes the code page leaves free become controls
}

bool IstSteuerzeichen(char32_t u) { return u < 0x20 || (u >= 0x7F && u <= 0x9F); }

// ---- Values --------------------------------------------------------------

// A text as it can stand between the quotes of one line: a double quote
// becomes the German quotes „ and “ by turns, a line break or other control
// a blank, a character outside the code page "?" (a look-alike such as 4 for
// ⁴ would change the maths). Each character becomes one, so that a text
// already cut to the file's length (and composed, FktDateiText) keeps it.
QString Schreibbar(const QString& s)
{
    QString t;
    bool offen = false;
    for (char32_t u : s.toUcs4()) {
        if (u == U'"') {
            t += QChar(offen ? 0x201C : 0x201E);
            offen = !offen;
        } else if (IstSteuerzeichen(u)) {
            t += QLatin1Char(' ');
        } else if (Cp1252Byte(u) >= 0) {
            t += QChar(char16_t(u));
        } else {
            t += QLatin1Char('?');
        }
    }
    return t;
}

std::optional<double> Zahl(const QString& zeile)
{
    static const QRegularExpression muster(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString t = zeile.trimmed();
    if (t.isEmpty() || t.size() > 100 || !muster.match(t).hasMatch())
        return std::nullopt;
    const QByteArray bytes = t.toLatin1();
    const char* anfang = bytes.constData() + (bytes.startsWith('+') ? 1 : 0);
    double v = 0.0;
    const auto [ende, fehler] = std::from_chars(anfang, bytes.constData() + bytes.size(), v);
    if (fehler != std::errc() || ende != bytes.constData() + bytes.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool PasstInSingle(double v) { return std::isfinite(v) && std::fabs(v) <= double(FLT_MAX); }

// A value whose millimetres at 1 LE = 2 cm still fit a 32-bit float. Beyond
// that every redraw of the drawing would overflow, so the reader does not
// take such a value from a file.
bool Zeichenbar(float v) { return std::fabs(double(v)) * 20.0 <= double(FLT_MAX); }

// Visits every value of the drawing in file order; one home for the layout.
template <class D, class Besucher>
void Durchlaufe(D& d, Besucher&& v)
{
    auto& f = d.fkt;
    auto& p = d.pkt;
    for (int i = 1; i <= MaxFkt; ++i) {
        v(f.m[i]), v(f.b[i]), v(f.a[i]), v(f.c[i]), v(f.p[i]), v(f.q[i]), v(f.xs[i]), v(f.ys[i]);
        v(f.FktArt[i]), v(f.FktText[i]), v(f.xSenkrecht2[i]), v(f.xSenkrecht[i]);
    }
    for (int i = 1; i <= MaxPkt; ++i)
        v(p.PktX[i]), v(p.PktY[i]), v(p.PktName[i]);
    for (int i = 11; i <= 12; ++i)
        v(p.PktX[i]), v(p.PktY[i]);
    v(d.AnzFkt), v(d.AnzPkt), v(d.Überschrift), v(d.GleichungenAus);
    for (int i = 1; i <= 12; ++i)
        v(p.PktLabelX[i]), v(p.PktLabelY[i]);
    for (int i = 1; i <= 12; ++i)
        v(f.FktLabelX[i]), v(f.FktLabelY[i]);
}

struct Schreiber {
    QStringList& zeilen;
    void operator()(const float& v) { zeilen << FktZahlText(v); }
    void operator()(const int16_t& v) { zeilen << QString::number(v); }
    void operator()(const QString& s)
    {
        zeilen << QLatin1Char('"') + Schreibbar(FktDateiText(s)) + QLatin1Char('"');
    }
    void operator()(const bool& b) { zeilen << QLatin1String(b ? "#TRUE#" : "#FALSE#"); }
};

struct Leser {
    const QStringList& zeilen;
    int n = 0;
    const QString* nächste() { return n < zeilen.size() ? &zeilen[n++] : nullptr; }

    void operator()(float& v)
    {
        if (const QString* s = nächste())
            if (const auto w = Zahl(*s); w && PasstInSingle(*w) && Zeichenbar(float(*w)))
                v = float(*w);
    }
    void operator()(int16_t& v)
    {
        if (const QString* s = nächste())
            if (const auto w = Zahl(*s); w && std::fabs(*w) < 32768.0) {
                const double r = std::nearbyint(*w);
                if (r >= -32768.0 && r <= 32767.0)
                    v = int16_t(r);
            }
    }
    void operator()(QString& v)
    {
        const QString* s = nächste();
        if (!s)
            return;
        QString t = s->trimmed();
        if (t.startsWith(QLatin1Char('"'))) {
            const qsizetype ende = t.indexOf(QLatin1Char('"'), 1);
            t = t.mid(1, ende < 0 ? -1 : ende - 1);
        }
        QString sauber;
        for (QChar c : t)
            if (!IstSteuerzeichen(c.unicode()))
                sauber += c;
        v = FktDateiText(sauber);
    }
    void operator()(bool& v)
    {
        if (const QString* s = nächste()) {
            const QString t = s->trimmed().toUpper();
            if (t == QLatin1String("#TRUE#"))
                v = true;
            else if (t == QLatin1String("#FALSE#"))
                v = false;
        }
    }
};

// A general parabola from its vertex as stored.
void AlsAllgemeineParabel(FunktionsTabelle& f, int i)
{
    f.FktArt[i] = QStringLiteral("AP");
    f.b[i] = f.xs[i];
    f.c[i] = f.ys[i];
}

// Makes function i agree with its kind: an unknown kind becomes a line or a
// general parabola by its factor a; a parabola entered in normal or vertex
// form has a = 1, and the form not entered follows from the one entered
// (the vertex from p and q, or p and q from the vertex); a general parabola
// is drawn from its entered b and c, and one kept by the simulation at a = 0
// is the horizontal line y = c and stays a general parabola.
void Abgleichen(FunktionsTabelle& f, int i)
{
    QString& art = f.FktArt[i];
    const bool np = art == QLatin1String("NP"), sp = art == QLatin1String("SP");
    if (!np && !sp && art != QLatin1String("GE") && art != QLatin1String("AP")) {
        if (f.a[i] == 0.0f)
            art = QStringLiteral("GE");
        else
            AlsAllgemeineParabel(f, i);
    }
    if (np || sp) {
        float xs = f.xs[i], ys = f.ys[i], p = f.p[i], q = f.q[i];
        bool passt = true;
        try {
            if (np) {
                xs = ScheitelXs(p, 1.0f);
                ys = ScheitelYs(p, q, 1.0f);
            } else {
                p = NormalformP(xs, 1.0f);
                q = NormalformQ(xs, ys, 1.0f);
            }
        } catch (const LaufzeitFehler&) {
            passt = false;  // the other form lies beyond the float range
        }
        if (passt && Zeichenbar(xs) && Zeichenbar(ys) && Zeichenbar(p) && Zeichenbar(q)) {
            f.a[i] = 1.0f;
            f.xs[i] = xs, f.ys[i] = ys, f.p[i] = p, f.q[i] = q;
        } else {
            if (f.a[i] == 0.0f)
                f.a[i] = 1.0f;
            AlsAllgemeineParabel(f, i);
        }
    }
    if (art == QLatin1String("AP")) {
        if (f.a[i] == 0.0f) {
            f.m[i] = 0.0f;
            f.b[i] = f.c[i];
        } else {
            f.xs[i] = f.b[i];
        }
        f.ys[i] = f.c[i];
        f.p[i] = 0.0f;
        f.q[i] = f.c[i];
    }
    if (art == QLatin1String("GE"))
        f.a[i] = 0.0f;
}

}  // namespace

QString FktZahlText(float v)
{
    if (v == 0.0f || !std::isfinite(v))
        return QStringLiteral("0");
    const double d = v;
    int stellen = 7;
    QString e;
    for (int p = 1; p <= 7; ++p) {
        e = QString::number(d, 'e', p - 1);
        const double zurück = e.toDouble();
        if (PasstInSingle(zurück) && float(zurück) == v) {
            stellen = p;
            break;
        }
    }
    // A value that needs more than 7 digits is rounded to 7; the zeros that
    // rounding leaves at the end are not written.
    const auto ohneNullen = [](QString t) {
        if (t.contains(QLatin1Char('.'))) {
            while (t.endsWith(QLatin1Char('0')))
                t.chop(1);
            if (t.endsWith(QLatin1Char('.')))
                t.chop(1);
        }
        return t;
    };
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    const int exponent = e.mid(ePos + 1).toInt();
    if (exponent >= -5 && exponent < 7)
        return ohneNullen(QString::number(d, 'f', std::max(0, stellen - 1 - exponent)));
    return ohneNullen(e.left(ePos)) + e.mid(ePos).toUpper();
}

QStringList FktDateiZeilen(const Zeichnung& d)
{
    QStringList zeilen;
    Durchlaufe(d, Schreiber{zeilen});
    return zeilen;
}

void FktDateiLesen(const QStringList& zeilen, Zeichnung& d)
{
    Durchlaufe(d, Leser{zeilen});
    d.AnzFkt = std::clamp<int16_t>(d.AnzFkt, 0, MaxFkt);
    d.AnzPkt = std::clamp<int16_t>(d.AnzPkt, 0, MaxPkt);
    for (int i = 1; i <= d.AnzFkt; ++i)
        Abgleichen(d.fkt, i);
}

QByteArray FktDateiKodieren(const QStringList& zeilen)
{
    QByteArray inhalt;
    for (const QString& zeile : zeilen) {
        for (char32_t u : zeile.toUcs4()) {
            const int byte = Cp1252Byte(u);
            inhalt += byte < 0 ? '?' : char(byte);
        }
        inhalt += "\r\n";
    }
    return inhalt;
}

QStringList FktDateiDekodieren(const QByteArray& inhalt)
{
    constexpr qsizetype MaxZeile = 1024;  // longer lines are cut; no value needs more
    // A file saved by an editor as UTF-8 starts with its byte-order mark.
    const bool utf8 = inhalt.startsWith("\xEF\xBB\xBF");
    const QByteArrayView rest = QByteArrayView(inhalt).sliced(utf8 ? 3 : 0);
    // Lines end at LF, the carriage returns that a conversion left at either
    // end of a line go; a file without any LF ends its lines at CR.
    const char trenner = rest.contains('\n') ? '\n' : '\r';
    QStringList zeilen;
    qsizetype anfang = 0;
    while (anfang < rest.size() && zeilen.size() < FktDateiZeilenzahl) {
        qsizetype ende = rest.indexOf(trenner, anfang);
        if (ende < 0)
            ende = rest.size();
        QByteArrayView zeile = rest.sliced(anfang, ende - anfang);
        anfang = ende + 1;
        while (zeile.startsWith('\r'))
            zeile = zeile.sliced(1);
        while (zeile.endsWith('\r'))
            zeile.chop(1);
        if (zeile.isEmpty() && anfang >= rest.size())
            break;  // only the end of the last line
        zeile = zeile.first(std::min(zeile.size(), MaxZeile));
        if (utf8) {
            zeilen << QString::fromUtf8(zeile);
        } else {
            QString text;
            for (char byte : zeile)
                text += AusCp1252(static_cast<unsigned char>(byte));
            zeilen << text;
        }
    }
    const bool leer = std::all_of(zeilen.cbegin(), zeilen.cend(),
                                  [](const QString& z) { return z.trimmed().isEmpty(); });
    return leer ? QStringList() : zeilen;
}

QString FktDateiText(const QString& text)
{
    const QString s = text.normalized(QString::NormalizationForm_C);
    // Counted in characters, so that one beyond the Basic Multilingual Plane
    // (two UTF-16 units) is kept whole or left out whole.
    qsizetype ende = 0;
    for (int n = 0; n < FktDateiTextLänge && ende < s.size(); ++n)
        ende += s[ende].isHighSurrogate() && ende + 1 < s.size() && s[ende + 1].isLowSurrogate() ? 2 : 1;
    return s.left(ende);
}
