#!/usr/bin/env bash
# Draws the start screen's picture, resources/start_picture.png: grid paper
# in millimetre style with axes, a parabola and a straight line.
# Needs ImageMagick and python3; run it again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
ziel=resources/start_picture.png
w=800 h=600 ox=400 oy=330 le=40   # size, origin and one unit in pixels

befehle=$(python3 - "$w" "$h" "$ox" "$oy" "$le" <<'PY'
import sys
w, h, ox, oy, le = map(int, sys.argv[1:])
out = []
def linien(farbe, schritt):
    out.append(f"stroke '{farbe}' stroke-width 1")
    for x in range(ox % schritt, w, schritt):
        out.append(f"line {x},0 {x},{h}")
    for y in range(oy % schritt, h, schritt):
        out.append(f"line 0,{y} {w},{y}")
linien("#dbe8f3", 8)
linien("#a8c5de", le)
out.append("stroke '#44546a' stroke-width 2")
out.append(f"line 0,{oy} {w},{oy}")
out.append(f"line {ox},0 {ox},{h}")
def kurve(farbe, f):
    punkte = []
    for i in range(0, w + 1, 4):
        x = (i - ox) / le
        y = oy - f(x) * le
        if -40 < y < h + 40:
            punkte.append(f"{i},{y:.1f}")
    out.append(f"stroke '{farbe}' stroke-width 5 fill none")
    out.append("polyline " + " ".join(punkte))
kurve("#c0392b", lambda x: 0.5 * (x - 1) ** 2 - 3)
out.append("stroke '#1f5fa8' stroke-width 5")
x0, x1 = -ox / le, (w - ox) / le
out.append(f"line 0,{oy - (0.75 * x0 + 1) * le:.1f} {w},{oy - (0.75 * x1 + 1) * le:.1f}")
print("\n".join(out))
PY
)
convert -size "${w}x${h}" xc:'#fdfdf8' -draw "$befehle" -strip -colors 64 "PNG8:$ziel"
echo "$ziel: $(stat -c %s "$ziel") bytes"
