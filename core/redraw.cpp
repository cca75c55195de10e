// The redraw of the whole sheet: clear, grid and axes, functions, points.
// The unit, view, hide-equations, open, delete and simulation commands all
// call it; some refill the selection lists between its steps.

#include "core/error_log.h"
#include "core/graph_core.h"

#include <array>

namespace {
// What the grid, axes and heading depend on: unit, view and heading.
QByteArray HintergrundSchluessel(const GraphCore& g)
{
    const std::array<float, 8> werte = {g.z.Einheit, g.Zoom,    g.MitteX, g.MitteY,
                                        g.OffsetX,   g.OffsetY, g.xHalb,  g.yHalb};
    QByteArray s(reinterpret_cast<const char*>(werte.data()), qsizetype(sizeof(werte)));
    s.append(reinterpret_cast<const char*>(g.Überschrift.constData()),
             g.Überschrift.size() * qsizetype(sizeof(QChar)));
    return s;
}
}  // namespace

void GraphCore::NeuZeichnen(Falle& falle, const std::function<void()>& nachAchsen,
                            const std::function<void()>& nachFunktionen)
{
    // The grid and axes come from the kept background when nothing they
    // depend on has changed since they were last drawn.
    const QByteArray schluessel = HintergrundSchluessel(*this);
    if (!ausgabe->HintergrundHolen(schluessel)) {
        falle([&] { ausgabe->Cls(); });
        falle([&] { Achsen(); });
        ausgabe->HintergrundMerken(schluessel);
    }
    if (nachAchsen)
        falle([&] { nachAchsen(); });
    falle([&] { TessarolenZeichnen(); });
    if (nachFunktionen)
        falle([&] { nachFunktionen(); });
    falle([&] { PunkteZeichnen(); });
}
