#include "core/graph_core.h"

#include "core/error_log.h"
#include "core/sheet_widget.h"

GraphCore::GraphCore(Programmzustand& zustand, SheetWidget& blatt)
    : z(zustand), picSchaubild(blatt), ausgabe(&blatt.Flaeche())
{
}

GraphCore::~GraphCore() = default;

void GraphCore::DefFarben()
{
    Falle falle(z, QStringLiteral("frmTessarolen:DefFarben"));
    falle([&] {
        for (int i = 1; i <= MaxFkt; ++i)
            fkt.Farbe[i] = StandardFarben[i];
    });
}
