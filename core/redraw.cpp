// The redraw of the whole sheet: clear, grid and axes, functions, points.
// The unit, view, hide-equations, open, delete and simulation commands all
// call it; some refill the selection lists between its steps.

#include "core/error_log.h"
#include "core/graph_core.h"

void GraphCore::NeuZeichnen(Falle& falle, const std::function<void()>& nachAchsen,
                            const std::function<void()>& nachFunktionen)
{
    falle([&] { ausgabe->Cls(); });
    falle([&] { Achsen(); });
    if (nachAchsen)
        falle([&] { nachAchsen(); });
    falle([&] { TessarolenZeichnen(); });
    if (nachFunktionen)
        falle([&] { nachFunktionen(); });
    falle([&] { PunkteZeichnen(); });
}
