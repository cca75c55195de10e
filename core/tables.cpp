#include "core/tables.h"

void FunktionsTabelle::Leere(int i)
{
    FktArt[i].clear();
    FktText[i].clear();
    m[i] = b[i] = a[i] = c[i] = p[i] = q[i] = xs[i] = ys[i] = 0.0f;
    xSenkrecht[i] = xSenkrecht2[i] = 0.0f;
    FktLabelX[i] = FktLabelY[i] = 0.0f;
}

void FunktionsTabelle::Kopiere(int von, int nach)
{
    FktArt[nach] = FktArt[von];
    FktText[nach] = FktText[von];
    m[nach] = m[von];
    b[nach] = b[von];
    a[nach] = a[von];
    c[nach] = c[von];
    p[nach] = p[von];
    q[nach] = q[von];
    xs[nach] = xs[von];
    ys[nach] = ys[von];
    xSenkrecht[nach] = xSenkrecht[von];
    xSenkrecht2[nach] = xSenkrecht2[von];
    FktLabelX[nach] = FktLabelX[von];
    FktLabelY[nach] = FktLabelY[von];
}

void PunktTabelle::Leere(int i)
{
    PktX[i] = PktY[i] = PktLabelX[i] = PktLabelY[i] = 0.0f;
    if (i < int(PktName.size()))
        PktName[i].clear();
}

void PunktTabelle::Kopiere(int von, int nach)
{
    PktX[nach] = PktX[von];
    PktY[nach] = PktY[von];
    PktLabelX[nach] = PktLabelX[von];
    PktLabelY[nach] = PktLabelY[von];
    if (von < int(PktName.size()) && nach < int(PktName.size()))
        PktName[nach] = PktName[von];
}

QString FunktionsGrenzeText()
{
    return QStringLiteral("Es können nur ") + QString::number(MaxFkt) +
           QStringLiteral(" Tessarolen\rdargestellt werden!");
}

QString PunktGrenzeText()
{
    return QStringLiteral("Es können nur ") + QString::number(MaxPkt) +
           QStringLiteral(" Punkte\rgezeichnet werden!");
}
