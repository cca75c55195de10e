#include "core/analysis_math.h"

#include "core/number_text.h"
#include "core/runtime_error.h"

#include <cmath>

namespace {
double quadrat(double v) { return v * v; }
}  // namespace

Koeffizienten KoeffizientenVon(const FunktionsTabelle& fkt, int i)
{
    return {fkt.m[i], fkt.b[i], fkt.a[i], fkt.xs[i], fkt.ys[i], fkt.xSenkrecht[i]};
}

bool IstGerade(const Koeffizienten& f) { return f.a == 0.0f; }
bool IstSenkrecht(const Koeffizienten& f) { return f.a == 0.0f && f.m > 500.0f; }

float FunktionsWert(const Koeffizienten& f, float x)
{
    if (IstGerade(f))
        return AlsSingle(double(f.m) * x + f.b);
    return AlsSingle(double(f.a) * quadrat(double(x) - f.xs) + f.ys);
}

// ---- x² + px + q = 0 --------------------------------------------------------

float DiskriminanteVon(float p, float q) { return AlsSingle(quadrat(double(p) / 2.0) - q); }

int16_t LoesungsAnzahl(float Diskriminante)
{
    if (Diskriminante == 0.0f)
        return 1;
    return Diskriminante > 0.0f ? 2 : 0;
}

float DoppelteWurzel(float p) { return AlsSingle(-double(p) / 2.0); }

float GroessereWurzel(float p, float Diskriminante)
{
    return AlsSingle(-double(p) / 2.0 + Wurzel(Diskriminante));
}

float KleinereWurzel(float p, float Diskriminante)
{
    return AlsSingle(-double(p) / 2.0 - Wurzel(Diskriminante));
}

Punktergebnis Mitternacht(float p, float q)
{
    Punktergebnis e;
    const float d = DiskriminanteVon(p, q);
    e.Anzahl = LoesungsAnzahl(d);
    if (e.Anzahl == 1)
        e.x[0] = DoppelteWurzel(p);
    else if (e.Anzahl == 2)
        e.x = {GroessereWurzel(p, d), KleinereWurzel(p, d)};
    return e;
}

// ---- One function ----------------------------------------------------------

Normalform NullstellenGleichung(const Koeffizienten& f)
{
    return {AlsSingle(-2.0 * f.xs), AlsSingle(quadrat(f.xs) + Teile(f.ys, f.a))};
}

int16_t GeradenNullstellenAnzahl(const Koeffizienten& f)
{
    if (IstSenkrecht(f))
        return 1;
    if (f.m == 0.0f)
        return f.b == 0.0f ? 3 : 0;
    return 1;
}

float GeradenNullstelleX(const Koeffizienten& f)
{
    if (IstSenkrecht(f))
        return f.xSenkrecht;
    return AlsSingle(Teile(-double(f.b), f.m));
}

Punktergebnis Nullstellen(const Koeffizienten& f)
{
    if (IstGerade(f)) {
        Punktergebnis e;
        e.Anzahl = GeradenNullstellenAnzahl(f);
        if (e.Anzahl == 1)
            e.x[0] = GeradenNullstelleX(f);
        return e;
    }
    const Normalform n = NullstellenGleichung(f);
    return Mitternacht(n.p, n.q);  // the y values stay 0
}

float YAchsenabschnittY(const Koeffizienten& f)
{
    if (IstGerade(f))
        return f.b;
    return AlsSingle(quadrat(f.xs) * f.a + f.ys);  // the square, the factor, then ys
}

Punktergebnis YAchsenabschnitt(const Koeffizienten& f)
{
    Punktergebnis e;
    if (IstSenkrecht(f))
        return e;
    e.Anzahl = 1;
    e.y[0] = YAchsenabschnittY(f);
    return e;
}

// ---- Intersections ---------------------------------------------------------

SchnittFall Schnittfall(const Koeffizienten& i, const Koeffizienten& j)
{
    const bool si = IstSenkrecht(i), sj = IstSenkrecht(j);
    if (IstGerade(i) && IstGerade(j)) {
        if (si && sj)
            return SchnittFall::GeradenOhneSchnitt;
        if (sj)
            return SchnittFall::SenkrechteJ;
        if (si)
            return SchnittFall::SenkrechteI;
        if (i.m == j.m)  // the difference of two floats is 0 only when they are equal
            return SchnittFall::GeradenOhneSchnitt;
        return SchnittFall::ZweiGeraden;
    }
    if (IstGerade(i))
        return si ? SchnittFall::SenkrechteI : SchnittFall::GeradeParabel;
    if (IstGerade(j))
        return sj ? SchnittFall::SenkrechteJ : SchnittFall::ParabelGerade;
    if (i.a != j.a)
        return SchnittFall::ParabelnQuadratisch;
    if (i.xs == j.xs)
        return SchnittFall::ParabelnOhneSchnitt;
    return SchnittFall::ParabelnLinear;
}

QString SchnittArt(SchnittFall fall)
{
    switch (fall) {
    case SchnittFall::GeradenOhneSchnitt:
        return QString();
    case SchnittFall::ParabelnQuadratisch:
    case SchnittFall::ParabelnLinear:
    case SchnittFall::ParabelnOhneSchnitt:
        return QStringLiteral("Q");
    default:
        return QStringLiteral("P");
    }
}

bool SchnittMitEinemPunkt(SchnittFall fall)
{
    return fall == SchnittFall::SenkrechteI || fall == SchnittFall::SenkrechteJ ||
           fall == SchnittFall::ZweiGeraden || fall == SchnittFall::ParabelnLinear;
}

bool SchnittQuadratisch(SchnittFall fall)
{
    return fall == SchnittFall::GeradeParabel || fall == SchnittFall::ParabelGerade ||
           fall == SchnittFall::ParabelnQuadratisch;
}

float SchnittX(const Koeffizienten& i, const Koeffizienten& j, SchnittFall fall)
{
    switch (fall) {
    case SchnittFall::SenkrechteI:
        return i.xSenkrecht;
    case SchnittFall::SenkrechteJ:
        return j.xSenkrecht;
    case SchnittFall::ZweiGeraden:
        return AlsSingle(Teile(double(j.b) - i.b, double(i.m) - j.m));
    case SchnittFall::ParabelnLinear:
        return AlsSingle(Teile(double(j.a) * quadrat(j.xs) + j.ys - double(i.a) * quadrat(i.xs) - i.ys,
                               2.0 * j.a * j.xs - 2.0 * i.a * i.xs));
    default:
        return 0.0f;
    }
}

Normalform SchnittGleichung(const Koeffizienten& i, const Koeffizienten& j, SchnittFall fall)
{
    Normalform n;
    switch (fall) {
    case SchnittFall::GeradeParabel:
        n.q = AlsSingle(quadrat(j.xs) + Teile(double(j.ys) - i.b, j.a));
        n.p = AlsSingle(-2.0 * j.xs - Teile(i.m, j.a));
        break;
    case SchnittFall::ParabelGerade:
        n.q = AlsSingle(quadrat(i.xs) + Teile(double(i.ys) - j.b, i.a));
        n.p = AlsSingle(-2.0 * i.xs - Teile(j.m, i.a));
        break;
    case SchnittFall::ParabelnQuadratisch: {
        const double nenner = double(i.a) - j.a;
        n.q = AlsSingle(
            Teile((quadrat(i.xs) * i.a + i.ys) - quadrat(j.xs) * j.a - j.ys, nenner));
        n.p = AlsSingle(Teile(2.0 * j.a * j.xs - 2.0 * i.a * i.xs, nenner));
        break;
    }
    default:
        break;
    }
    return n;
}

float SchnittY(const Koeffizienten& i, const Koeffizienten& j, SchnittFall fall, float x,
               bool zweiter)
{
    switch (fall) {
    case SchnittFall::SenkrechteI:
    case SchnittFall::ParabelGerade:
        return FunktionsWert(j, x);
    case SchnittFall::ParabelnQuadratisch:
        return FunktionsWert(zweiter ? j : i, x);
    default:
        return FunktionsWert(i, x);
    }
}

Punktergebnis Schnittpunkte(const Koeffizienten& i, const Koeffizienten& j)
{
    Punktergebnis e;
    const SchnittFall fall = Schnittfall(i, j);
    if (SchnittMitEinemPunkt(fall)) {
        e.Anzahl = 1;
        e.x[0] = SchnittX(i, j, fall);
    } else if (SchnittQuadratisch(fall)) {
        const Normalform n = SchnittGleichung(i, j, fall);
        e = Mitternacht(n.p, n.q);
    }
    for (int k = 0; k < e.Anzahl; ++k)
        e.y[k] = SchnittY(i, j, fall, e.x[k], k == 1);
    return e;
}

// ---- Point test ------------------------------------------------------------

bool LiegtAuf(const Koeffizienten& f, float x, float y)
{
    if (IstSenkrecht(f))
        return AlsSingle(std::fabs(double(x) - f.xSenkrecht)) <= 0.05f;
    if (IstGerade(f))
        return AlsSingle(std::fabs(double(y) - (double(f.m) * x + f.b))) <= 0.05f;
    const double d = Endlich(std::fabs(double(y) - (double(f.a) * quadrat(double(x) - f.xs) + f.ys)));
    return d <= 0.05;
}

// ---- Two points ------------------------------------------------------------

bool Senkrecht(float x1, float x2) { return AlsSingle(double(x1) - x2) == 0.0f; }

float GeradenSteigung(float x1, float y1, float x2, float y2)
{
    return AlsSingle(Teile(double(y1) - y2, double(x1) - x2));
}

float GeradenAbschnitt(float x1, float y1, float m) { return AlsSingle(double(y1) - double(m) * x1); }

GeradeAusPunkten GeradeDurch(float x1, float y1, float x2, float y2)
{
    GeradeAusPunkten g;
    if (Senkrecht(x1, x2)) {
        g.senkrecht = true;
        g.m = SenkrechteSteigung;
        g.b = 0.0f;
        return g;
    }
    g.m = GeradenSteigung(x1, y1, x2, y2);
    g.b = GeradenAbschnitt(x1, y1, g.m);
    return g;
}

// From y1 − y2 = x1² − x2² + p·(x1 − x2).
float NormalparabelP(float x1, float y1, float x2, float y2)
{
    return AlsSingle(Teile(double(y1) - y2 - quadrat(x1) + quadrat(x2), double(x1) - x2));
}

float NormalparabelQ(float x1, float y1, float p)
{
    return AlsSingle(double(y1) - quadrat(x1) - double(p) * x1);
}

float ScheitelXs(float p, float a) { return AlsSingle(-Teile(p, 2.0 * a)); }

float ScheitelYs(float p, float q, float a) { return AlsSingle(q - Teile(quadrat(p), 4.0 * a)); }

float NormalformP(float xs, float a) { return AlsSingle((-2.0 * a) * xs); }

float NormalformQ(float xs, float ys, float a) { return AlsSingle(double(xs) * xs * a + ys); }

NormalparabelAusPunkten NormalparabelDurch(float x1, float y1, float x2, float y2)
{
    NormalparabelAusPunkten n;
    n.p = NormalparabelP(x1, y1, x2, y2);
    n.q = NormalparabelQ(x1, y1, n.p);
    n.xs = ScheitelXs(n.p, 1.0f);
    n.ys = ScheitelYs(n.p, n.q, 1.0f);
    return n;
}

float Abstand(float x1, float y1, float x2, float y2)
{
    return AlsSingle(Wurzel(Endlich(quadrat(double(x1) - x2) + quadrat(double(y1) - y2))));
}

QString AbstandText(float d) { return FormatPunkt00(d) + QStringLiteral("LE"); }

// ---- Result texts ----------------------------------------------------------

QString PunktText(const QString& Art, int n, float x, float y)
{
    return Art + QString::number(n) + QLatin1Char('(') + ZweiStellenText(x) + QLatin1Char('/') +
           ZweiStellenText(y) + QLatin1Char(')');
}

QString ErgebnisSatz(int16_t Anzahl, const QString& Art, int16_t FktNr1, int16_t FktNr2)
{
    const QString f1 = QStringLiteral("f") + QString::number(FktNr1);
    if (Art == QLatin1String("T"))
        return f1 + (Anzahl == 0 ? QStringLiteral(" hat keinen Y-Achsenschnittpunkt!")
                                 : QStringLiteral(" hat den Y-Achsenschnittpunkt:"));
    if (Art == QLatin1String("N")) {
        switch (Anzahl) {
        case 0:
            return f1 + QStringLiteral(" hat keine Nullstellen!");
        case 1:
            return f1 + QStringLiteral(" hat eine Nullstelle:");
        case 2:
            return f1 + QStringLiteral(" hat zwei Nullstellen:");
        default:
            return f1 + QStringLiteral(" hat unendlich viele Nullstellen!");
        }
    }
    if (Art == QLatin1String("S"))
        return f1 + QStringLiteral(" hat den Scheitelpunkt:");
    const QString paar = f1 + QStringLiteral(" und f") + QString::number(FktNr2);
    switch (Anzahl) {
    case 0:
        return paar + QStringLiteral(" haben keinen Schnittpunkt!");
    case 1:
        return paar + QStringLiteral(" haben einen Schnittpunkt:");
    default:
        return paar + QStringLiteral(" haben zwei Schnittpunkte:");
    }
}

QString ErgebnisTitel(const QString& Art)
{
    if (Art == QLatin1String("T"))
        return QStringLiteral("Y-Achsenschnittpunkt");
    if (Art == QLatin1String("N"))
        return QStringLiteral("Nullstellen");
    if (Art == QLatin1String("S"))
        return QStringLiteral("Scheitelpunkt");
    return QStringLiteral("Schnittpunkte");
}
