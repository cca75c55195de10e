// A new point on the sheet, entered through "Punkt..." or by Shift+click.

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/slot_index.h"

void GraphCore::PunktEintragen(Falle& falle, int16_t n, float x, float y, const QString& Name)
{
    const bool gespeichert = falle([&] {
        PruefeNummer(n, MaxPkt);
        pkt.PktX[n] = x;
        pkt.PktY[n] = y;
        pkt.PktName[n] = Name;
    });
    if (!gespeichert)
        return;
    falle([&] { PunktZeichnen(x, y, Name, n); });
    falle([&] { MenüPunktEinträge(n); });
}
