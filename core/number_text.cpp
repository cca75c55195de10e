#include "core/number_text.h"

#include "core/runtime_error.h"

#include <QLocale>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

QChar dezimalzeichen()
{
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}

QChar minuszeichen() { return QChar('-'); }

struct Ziffern {
    bool negativ = false;
    std::string ziffern;  // significant digits, trailing zeros removed
    int exponent = 0;     // value = 0.d1d2... * 10^(exponent + 1)
};

Ziffern zerlege(double v, int signifikant)
{
    Ziffern z;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", signifikant - 1, v);
    const char* p = buf;
    if (*p == '-') {
        z.negativ = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            z.ziffern.push_back(*p);
    if (*p == 'e')
        z.exponent = std::atoi(p + 1);
    while (z.ziffern.size() > 1 && z.ziffern.back() == '0')
        z.ziffern.pop_back();
    return z;
}

// Writes v with up to `signifikant` digits; exponent form as "1,5E+20".
QString schreibe(double v, int signifikant, QChar dez, bool nullVorPunkt)
{
    if (v == 0.0 || std::isnan(v))
        return QStringLiteral("0");
    const Ziffern z = zerlege(v, signifikant);
    const int x = z.exponent;
    const QString d = QString::fromLatin1(z.ziffern.data(), int(z.ziffern.size()));
    QString out;
    if (x < -4 || x >= signifikant) {
        out = d.left(1);
        if (d.size() > 1)
            out += dez + d.mid(1);
        out += QStringLiteral("E%1%2").arg(x < 0 ? '-' : '+').arg(std::abs(x), 2, 10, QChar('0'));
    } else if (x >= 0) {
        QString ganz = d.left(x + 1);
        while (ganz.size() < x + 1)
            ganz += QChar('0');
        out = ganz;
        if (d.size() > x + 1)
            out += dez + d.mid(x + 1);
    } else {
        out = nullVorPunkt ? QStringLiteral("0") : QString();
        out += dez + QString(-x - 1, QChar('0')) + d;
    }
    if (z.negativ)
        out.prepend(minuszeichen());
    return out;
}

// v rounded half away from zero to `stellen` decimals, taken from its
// 15-digit decimal form: integer digits and exactly `stellen` decimals.
struct Gerundet {
    bool negativ = false;
    std::string ganz;
    std::string bruch;
};

Gerundet rundeWeg(double v, int stellen)
{
    Gerundet g;
    Endlich(v);
    Ziffern z = zerlege(v, 15);
    g.negativ = z.negativ;
    // Digits as a fixed-point string with a known number of integer digits.
    std::string ziff = z.ziffern;
    int ganzStellen = z.exponent + 1;
    if (ganzStellen <= 0) {
        ziff = std::string(-ganzStellen, '0') + ziff;
        ganzStellen = 0;
    }
    const int behalten = ganzStellen + stellen;
    while (int(ziff.size()) < behalten + 1)
        ziff.push_back('0');
    const bool aufrunden = ziff[behalten] >= '5';
    ziff.resize(behalten);
    if (aufrunden) {
        int i = behalten - 1;
        for (; i >= 0; --i) {
            if (ziff[i] == '9') {
                ziff[i] = '0';
            } else {
                ++ziff[i];
                break;
            }
        }
        if (i < 0) {
            ziff.insert(ziff.begin(), '1');
            ++ganzStellen;
        }
    }
    g.ganz = ziff.substr(0, ganzStellen);
    g.bruch = ziff.substr(ganzStellen);
    while (!g.ganz.empty() && g.ganz.front() == '0')
        g.ganz.erase(g.ganz.begin());
    if (g.ganz.empty() && g.bruch.find_first_not_of('0') == std::string::npos)
        g.negativ = false;
    return g;
}

}  // namespace

QString StrText(double v, int signifikant)
{
    const QString t = schreibe(v, signifikant, QChar('.'), false);
    return (v < 0.0) && t != QLatin1String("0") ? t : QStringLiteral(" ") + t;
}

QString ZahlText(double v, int signifikant)
{
    return schreibe(v, signifikant, dezimalzeichen(), true);
}

double RundeGerade(double v, int stellen)
{
    if (!std::isfinite(v))
        return v;
    long double faktor = 1.0L;
    for (int i = 0; i < stellen; ++i)
        faktor *= 10.0L;
    const int alt = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyintl(static_cast<long double>(v) * faktor);
    std::fesetround(alt);
    return static_cast<double>(r / faktor);
}

QString ZweiStellenText(double v) { return ZahlText(RundeGerade(v, 2)); }

double Val(QStringView s)
{
    std::string t;
    int i = 0;
    const int n = int(s.size());
    auto weiter = [&] {
        while (i < n && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r'))
            ++i;
    };
    weiter();
    if (i < n && (s[i] == '-' || s[i] == '+')) {
        t.push_back(char(s[i].unicode()));
        ++i;
    }
    bool ziffer = false;
    bool punkt = false;
    for (weiter(); i < n; ++i, weiter()) {
        const QChar c = s[i];
        if (c >= '0' && c <= '9') {
            t.push_back(char(c.unicode()));
            ziffer = true;
        } else if (c == '.' && !punkt) {
            t.push_back('.');
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffer)
        return 0.0;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string ex = "e";
        int j = i + 1;
        if (j < n && (s[j] == '-' || s[j] == '+'))
            ex.push_back(char(s[j++].unicode()));
        bool expZiffer = false;
        while (j < n && s[j] >= '0' && s[j] <= '9') {
            ex.push_back(char(s[j++].unicode()));
            expZiffer = true;
        }
        if (expZiffer)
            t += ex;
    }
    return Endlich(std::strtod(t.c_str(), nullptr));
}

QString FormatRaute0(double v)
{
    const Gerundet g = rundeWeg(v, 2);
    std::string bruch = g.bruch;
    while (!bruch.empty() && bruch.back() == '0')
        bruch.pop_back();
    QString out = g.negativ ? QStringLiteral("-") : QString();
    out += g.ganz.empty() ? QStringLiteral("0") : QString::fromStdString(g.ganz);
    out += dezimalzeichen();
    out += QString::fromStdString(bruch);
    return out;
}

QString FormatPunkt00(double v)
{
    const Gerundet g = rundeWeg(v, 2);
    QString out = g.negativ ? QStringLiteral("-") : QString();
    out += QString::fromStdString(g.ganz);
    out += dezimalzeichen();
    out += QString::fromStdString(g.bruch);
    return out;
}

QString VorZeichen(float x)
{
    // The plain text of the 32-bit value read back as a 64-bit one.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(x));
    const double gelesen = std::strtod(buf, nullptr);
    const QString t = ZahlText(RundeGerade(gelesen, 2));
    return x < 0.0f ? t : QStringLiteral("+") + t;
}

QString VZ(const QString& s)
{
    if (s.startsWith(QChar('+')))
        return QStringLiteral("+ ") + s.mid(1);
    if (s.startsWith(QChar('-')))
        return QStringLiteral("- ") + s.mid(1);
    return QStringLiteral("+ ") + s;
}

QString VZ_minus(const QString& s)
{
    if (s.startsWith(QChar('+')))
        return QStringLiteral("- ") + s.mid(1);
    if (s.startsWith(QChar('-')))
        return QStringLiteral("+ ") + s.mid(1);
    return QStringLiteral("- ") + s;
}
