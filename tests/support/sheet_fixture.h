#pragma once
// A sheet widget with its graph core, a scripted platform and an error log
// in a temporary folder; helpers that store functions as the commands do.

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/program_state.h"
#include "core/sheet_widget.h"
#include "tests/support/scripted_platform.h"

#include <QTemporaryDir>
#include <cmath>

struct Zeichenblatt {
    QTemporaryDir ordner;
    SkriptPlattform plattform;
    Programmzustand z;
    SheetWidget blatt{nullptr, 1.0};
    GraphCore g{z, blatt};

    Zeichenblatt()
    {
        z.plattform = &plattform;
        z.Programmpfad = ordner.path() + QStringLiteral("/");
        g.DefFarben();
    }

    Bildschirmflaeche& flaeche() { return blatt.Flaeche(); }

    // Colour of the sheet at sheet position (x, y) in mm.
    int32_t farbeBei(float x, float y) { return flaeche().Point(g.XPos(x), g.YPos(y)); }
    // Top left pixel of a label standing at (x, y) in LE.
    QPoint pixelLE(float x, float y)
    {
        const float E = z.Einheit;
        return {SheetWidget::AlsPixel(g.XPos(E * x)), SheetWidget::AlsPixel(g.YPos(E * y))};
    }
    // True when a pixel of the colour lies in the sheet rectangle (mm).
    bool enthaelt(int32_t farbe, float x0, float y0, float x1, float y1)
    {
        const QImage& bild = flaeche().Bild();
        const double s = flaeche().PixelProMm();
        const auto px = [&](float mm) { return int(std::floor(mm * s)); };
        const QRect r = QRect(QPoint(px(g.XPos(std::min(x0, x1))), px(g.YPos(std::max(y0, y1)))),
                              QPoint(px(g.XPos(std::max(x0, x1))), px(g.YPos(std::min(y0, y1))))) & bild.rect();
        for (int py = r.top(); py <= r.bottom(); ++py)
            for (int x = r.left(); x <= r.right(); ++x)
                if (bild.pixel(x, py) == AlsQColor(farbe).rgb())
                    return true;
        return false;
    }

    int16_t neu(const char* art, float a, float xs, float ys, float p, float q)
    {
        const int16_t i = ++z.AnzFkt;
        g.fkt.FktArt[i] = QString::fromLatin1(art);
        g.fkt.a[i] = a, g.fkt.xs[i] = xs, g.fkt.ys[i] = ys, g.fkt.p[i] = p, g.fkt.q[i] = q;
        return i;
    }
    int16_t gerade(float m, float b)
    {
        const int16_t i = neu("GE", 0, 0, 0, 0, 0);
        g.fkt.m[i] = m, g.fkt.b[i] = b;
        return i;
    }
    int16_t senkrechte(float x)
    {
        const int16_t i = gerade(501.0f, 0.0f);
        g.fkt.xSenkrecht[i] = g.fkt.xSenkrecht2[i] = x;
        return i;
    }
    int16_t normalform(float p, float q) { return neu("NP", 1, -(p / 2), q - p * p / 4, p, q); }
    int16_t scheitelform(float xs, float ys) { return neu("SP", 1, xs, ys, -2 * xs, xs * xs + ys); }
    int16_t allgemein(float a, float b, float c)
    {
        const int16_t i = neu("AP", a, b, c, 0, c);
        g.fkt.b[i] = b, g.fkt.c[i] = c;
        return i;
    }
    // "GE m b [xSenkrecht2 [xSenkrecht]]" (or a code no kind has for GE), "NP p q", "SP xs ys" or "AP a b c".
    int16_t funktion(const QString& beschreibung)
    {
        const QStringList w = beschreibung.split(QLatin1Char(' '));
        const auto zahl = [&](int k) { return k < w.size() ? w[k].toFloat() : 0.0f; };
        if (w[0] == QLatin1String("NP") || w[0] == QLatin1String("SP"))
            return w[0] == QLatin1String("NP") ? normalform(zahl(1), zahl(2)) : scheitelform(zahl(1), zahl(2));
        if (w[0] == QLatin1String("AP"))
            return allgemein(zahl(1), zahl(2), zahl(3));
        const int16_t i = gerade(zahl(1), zahl(2));
        g.fkt.FktArt[i] = w[0], g.fkt.xSenkrecht2[i] = zahl(3), g.fkt.xSenkrecht[i] = zahl(4);
        return i;
    }
    int16_t punkt(float x, float y, const char* name = "P")
    {
        const int16_t n = ++z.AnzPkt;
        g.pkt.PktX[n] = x, g.pkt.PktY[n] = y, g.pkt.PktName[n] = QString::fromLatin1(name);
        return n;
    }
    // The full redraw of the sheet.
    void neuZeichnen()
    {
        Falle falle(z, QStringLiteral("test"));
        g.NeuZeichnen(falle);
    }
};
