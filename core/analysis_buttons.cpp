// The buttons of the selection dialogs start the analyses.

#include "core/graph_core.h"

void GraphCore::FktWahlAktion(int Index)
{
    switch (Index) {
    case 0:
        Nullstellen();
        break;
    case 1:
        YSchnittpunkt();
        break;
    case 2:
        Scheitel();
        break;
    case 3:
        Schnittpkte();
        break;
    case 4:
        PunktProbe();
        break;
    default:
        break;
    }
}

void GraphCore::PktWahlAktion(int Index)
{
    switch (Index) {
    case 0:
        PktGerade();
        break;
    case 1:
        PktNormalparabel();
        break;
    case 2:
        PktAbstand();
        break;
    default:
        break;
    }
}
