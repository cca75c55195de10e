#pragma once
// The arithmetic of the analyses on plain values: the normalised quadratic
// x² + px + q = 0, zeros, y-axis intercept, intersections of two functions,
// the point test, the line and the normal parabola through two points and
// the distance of two points. Arithmetic runs in double on the stored 32-bit
// values; every stored result goes through AlsSingle, so an overflow raises
// the run-time error instead of producing infinity.

#include "core/tables.h"

#include <QString>
#include <array>
#include <cstdint>

// The coefficients of one function that the analyses read. A function with
// a = 0 is a straight line; it is vertical when its slope exceeds 500, and
// then lies at x = xSenkrecht. Every parabola is a·(x − xs)² + ys.
struct Koeffizienten {
    float m = 0.0f, b = 0.0f, a = 0.0f, xs = 0.0f, ys = 0.0f, xSenkrecht = 0.0f;
};
Koeffizienten KoeffizientenVon(const FunktionsTabelle& fkt, int i);

bool IstGerade(const Koeffizienten& f);
bool IstSenkrecht(const Koeffizienten& f);
// The function's value at x: m·x + b for a line, a·(x − xs)² + ys for a parabola.
float FunktionsWert(const Koeffizienten& f, float x);

// Up to two points found by an analysis, in the order they are stored.
struct Punktergebnis {
    int16_t Anzahl = 0;  // 0, 1, 2, or 3 for infinitely many
    std::array<float, 2> x{}, y{};
};

// ---- x² + px + q = 0 --------------------------------------------------------
// (p/2)² − q, stored as a 32-bit float.
float DiskriminanteVon(float p, float q);
// 0, 1 or 2 by the sign of the stored discriminant.
int16_t LoesungsAnzahl(float Diskriminante);
// The root −p/2 of a discriminant of 0.
float DoppelteWurzel(float p);
// The roots of a positive discriminant: −p/2 + √D, the larger, and −p/2 − √D.
float GroessereWurzel(float p, float Diskriminante);
float KleinereWurzel(float p, float Diskriminante);
// All of the above at once: the roots (x only) of x² + px + q = 0.
Punktergebnis Mitternacht(float p, float q);

// ---- One function ----------------------------------------------------------
// x² + px + q = 0 for the zeros of a parabola: p = −2·xs, q = xs² + ys/a.
struct Normalform {
    float p = 0.0f, q = 0.0f;
};
Normalform NullstellenGleichung(const Koeffizienten& f);
// Number of zeros of a straight line: a vertical one meets the x-axis once,
// the x-axis itself has infinitely many (3), another horizontal line none.
int16_t GeradenNullstellenAnzahl(const Koeffizienten& f);
// x of the single zero of a line: xSenkrecht, or −b/m.
float GeradenNullstelleX(const Koeffizienten& f);
// Zeros of any function (a parabola through the quadratic).
Punktergebnis Nullstellen(const Koeffizienten& f);
// y of the y-axis intercept of a function that is not a vertical line.
float YAchsenabschnittY(const Koeffizienten& f);
// The y-axis intercept; none for a vertical line.
Punktergebnis YAchsenabschnitt(const Koeffizienten& f);

// ---- Intersections ---------------------------------------------------------
enum class SchnittFall {
    GeradenOhneSchnitt,  // parallel, identical or two vertical lines
    SenkrechteI,         // i is vertical, j is not
    SenkrechteJ,         // j is vertical, i is not
    ZweiGeraden,         // two lines, neither vertical, not parallel
    GeradeParabel,       // i a line, j a parabola
    ParabelGerade,       // i a parabola, j a line
    ParabelnQuadratisch, // two parabolas with different factors
    ParabelnLinear,      // equal factors, different xs: one point
    ParabelnOhneSchnitt, // equal factors and equal xs
};
SchnittFall Schnittfall(const Koeffizienten& i, const Koeffizienten& j);
// "P" when a line is involved, "Q" for two parabolas, "" for two lines
// that do not meet.
QString SchnittArt(SchnittFall fall);
bool SchnittMitEinemPunkt(SchnittFall fall);
bool SchnittQuadratisch(SchnittFall fall);
// x of the single point of the cases with one point.
float SchnittX(const Koeffizienten& i, const Koeffizienten& j, SchnittFall fall);
// x² + px + q = 0 of the quadratic cases.
Normalform SchnittGleichung(const Koeffizienten& i, const Koeffizienten& j, SchnittFall fall);
// y of a found x; `zweiter` for the second of two points (two parabolas
// take it on parabola j).
float SchnittY(const Koeffizienten& i, const Koeffizienten& j, SchnittFall fall, float x,
               bool zweiter = false);
// The intersection points of functions i and j.
Punktergebnis Schnittpunkte(const Koeffizienten& i, const Koeffizienten& j);

// ---- Point test ------------------------------------------------------------
// Does (x | y) lie on the function, within 0.05?
bool LiegtAuf(const Koeffizienten& f, float x, float y);

// ---- Two points ------------------------------------------------------------
// The slope stored for a vertical line.
inline constexpr float SenkrechteSteigung = 501.0f;
// Do two points of these x values stand one above the other?
bool Senkrecht(float x1, float x2);
// Slope and intercept of the line through two points of different x.
float GeradenSteigung(float x1, float y1, float x2, float y2);
float GeradenAbschnitt(float x1, float y1, float m);

struct GeradeAusPunkten {
    bool senkrecht = false;
    float m = 0.0f, b = 0.0f;
};
// The line through (x1|y1) and (x2|y2); a vertical one has m = 501, b = 0.
GeradeAusPunkten GeradeDurch(float x1, float y1, float x2, float y2);

// y = x² + px + q through two points of different x, and its vertex form.
float NormalparabelP(float x1, float y1, float x2, float y2);
float NormalparabelQ(float x1, float y1, float p);
float ScheitelXs(float p, float a);
float ScheitelYs(float p, float q, float a);
// The normal form's p and q of a·(x − xs)² + ys.
float NormalformP(float xs, float a);
float NormalformQ(float xs, float ys, float a);

struct NormalparabelAusPunkten {
    float p = 0.0f, q = 0.0f, xs = 0.0f, ys = 0.0f;
};
NormalparabelAusPunkten NormalparabelDurch(float x1, float y1, float x2, float y2);

float Abstand(float x1, float y1, float x2, float y2);
// "5,00LE", ",50LE": two decimals in the user's locale.
QString AbstandText(float d);

// ---- Result texts ----------------------------------------------------------
// "N3(-1,5/0)": letter, number, coordinates rounded half to even to 2 decimals.
QString PunktText(const QString& Art, int n, float x, float y);
// The result sentence for the number of points and their letter.
QString ErgebnisSatz(int16_t Anzahl, const QString& Art, int16_t FktNr1, int16_t FktNr2);
// The result window's caption for the letter.
QString ErgebnisTitel(const QString& Art);
