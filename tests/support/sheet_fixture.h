#pragma once
// A sheet widget with its graph core, a scripted platform and an error log
// in a temporary folder; helpers that store functions as the commands do.

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
    // True when a pixel of the colour lies in the sheet rectangle (mm).
    bool enthaelt(int32_t farbe, float x0, float y0, float x1, float y1)
    {
        const QImage& bild = flaeche().Bild();
        const double s = flaeche().PixelProMm();
        const int px0 = int(std::floor(g.XPos(std::min(x0, x1)) * s));
        const int px1 = int(std::floor(g.XPos(std::max(x0, x1)) * s));
        const int py0 = int(std::floor(g.YPos(std::max(y0, y1)) * s));
        const int py1 = int(std::floor(g.YPos(std::min(y0, y1)) * s));
        const QRgb gesucht = AlsQColor(farbe).rgb();
        for (int py = std::max(py0, 0); py <= py1 && py < bild.height(); ++py)
            for (int px = std::max(px0, 0); px <= px1 && px < bild.width(); ++px)
                if (bild.pixel(px, py) == gesucht)
                    return true;
        return false;
    }

    int16_t neu(const char* art)
    {
        const int16_t i = ++z.AnzFkt;
        g.fkt.FktArt[i] = QString::fromLatin1(art);
        return i;
    }
    int16_t gerade(float m, float b)
    {
        const int16_t i = neu("GE");
        g.fkt.m[i] = m;
        g.fkt.b[i] = b;
        g.fkt.a[i] = 0.0f;
        return i;
    }
    int16_t senkrechte(float x)
    {
        const int16_t i = gerade(501.0f, 0.0f);
        g.fkt.xSenkrecht[i] = g.fkt.xSenkrecht2[i] = x;
        return i;
    }
    int16_t normalform(float p, float q)
    {
        const int16_t i = neu("NP");
        g.fkt.p[i] = p;
        g.fkt.q[i] = q;
        g.fkt.a[i] = 1.0f;
        g.fkt.xs[i] = -(p / 2.0f);
        g.fkt.ys[i] = q - p * p / 4.0f;
        return i;
    }
    int16_t scheitelform(float xs, float ys)
    {
        const int16_t i = neu("SP");
        g.fkt.xs[i] = xs;
        g.fkt.ys[i] = ys;
        g.fkt.a[i] = 1.0f;
        g.fkt.p[i] = -2.0f * xs;
        g.fkt.q[i] = xs * xs + ys;
        return i;
    }
    int16_t allgemein(float a, float b, float c)
    {
        const int16_t i = neu("AP");
        g.fkt.a[i] = a;
        g.fkt.b[i] = b;
        g.fkt.c[i] = c;
        g.fkt.xs[i] = b;
        g.fkt.ys[i] = c;
        g.fkt.p[i] = 0.0f;
        g.fkt.q[i] = c;
        return i;
    }
    int16_t punkt(float x, float y, const char* name = "P")
    {
        const int16_t n = ++z.AnzPkt;
        g.pkt.PktX[n] = x;
        g.pkt.PktY[n] = y;
        g.pkt.PktName[n] = QString::fromLatin1(name);
        return n;
    }
    // The full redraw of the sheet.
    void neuZeichnen()
    {
        g.ausgabe->Cls();
        g.Achsen();
        g.TessarolenZeichnen();
        g.PunkteZeichnen();
    }
};
