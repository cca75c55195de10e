#!/usr/bin/env python3
"""Draws the program's two mouse pointers and writes them as cursor files:
resources/harrow.cur (a label at rest: an arrow with a small name tag) and
resources/hmove.cur (a label being moved: a four-way arrow with the tag).
32 x 32 pixels, 32 bits per pixel with a transparency mask."""

import struct
import sys
from pathlib import Path

N = 32
SCHWARZ, WEISS, GRUEN = (0, 0, 0), (255, 255, 255), (0, 128, 0)


def innen(poly, x, y):
    """Point in polygon (even-odd), tested at the pixel's centre."""
    px, py = x + 0.5, y + 0.5
    drin = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            drin = not drin
    return drin


def form(polys):
    """Pixels inside one of the polygons."""
    return {(x, y) for y in range(N) for x in range(N) if any(innen(p, x, y) for p in polys)}


def umrandet(bild, pixel, farbe):
    """Fills the pixels in the colour with a white outline one pixel wide."""
    for (x, y) in pixel:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                q = (x + dx, y + dy)
                if 0 <= q[0] < N and 0 <= q[1] < N and q not in pixel and q not in bild:
                    bild[q] = WEISS
    for q in pixel:
        bild[q] = farbe


def schild(bild, x0, y0, x1, y1):
    """A small name tag: white box, black frame, green text stroke."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            rand = x in (x0, x1) or y in (y0, y1)
            bild[(x, y)] = SCHWARZ if rand else WEISS
    for x in range(x0 + 2, x1 - 1):
        bild[(x, (y0 + y1) // 2)] = GRUEN


def pfeil():
    bild = {}
    spitze = [(1, 1), (1, 18), (5, 14), (8, 21), (11, 20), (8, 13), (13, 13)]
    umrandet(bild, form([spitze]), SCHWARZ)
    schild(bild, 15, 20, 29, 27)
    return bild, (1, 1)


def kreuz():
    bild = {}
    m = 15
    polys = [
        [(m - 1, 5), (m + 2, 5), (m + 2, 26), (m - 1, 26)],
        [(5, m - 1), (26, m - 1), (26, m + 2), (5, m + 2)],
        [(m + 0.5, 1), (m + 5, 6), (m - 4, 6)],
        [(m + 0.5, 30), (m + 5, 25), (m - 4, 25)],
        [(1, m + 0.5), (6, m - 4), (6, m + 5)],
        [(30, m + 0.5), (25, m - 4), (25, m + 5)],
    ]
    umrandet(bild, form(polys), SCHWARZ)
    schild(bild, 19, 22, 30, 29)
    return bild, (m, m)


def cursor_datei(bild, heiss):
    farben = b""
    maske = b""
    for y in reversed(range(N)):  # rows bottom up
        bits = 0
        for x in range(N):
            if (x, y) in bild:
                r, g, b = bild[(x, y)]
                farben += bytes((b, g, r, 255))
            else:
                farben += bytes((0, 0, 0, 0))
                bits |= 1 << (N - 1 - x)
        maske += struct.pack(">I", bits)
    kopf = struct.pack("<IiiHHIIiiII", 40, N, 2 * N, 1, 32, 0, len(farben) + len(maske), 0, 0, 0, 0)
    daten = kopf + farben + maske
    verzeichnis = struct.pack("<HHH", 0, 2, 1)
    eintrag = struct.pack("<BBBBHHII", N, N, 0, 0, heiss[0], heiss[1], len(daten), 6 + 16)
    return verzeichnis + eintrag + daten


def main():
    ziel = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources"
    for name, (bild, heiss) in (("harrow.cur", pfeil()), ("hmove.cur", kreuz())):
        (ziel / name).write_bytes(cursor_datei(bild, heiss))


if __name__ == "__main__":
    main()
