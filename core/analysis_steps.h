#pragma once
// Steps shared by the analyses of the graph core: choosing the functions and
// points they work on, and making room for a new point.

#include "core/graph_core.h"
#include "core/platform.h"

// A plain message: OK only, no icon, the program's title.
void Hinweis(GraphCore& k, const QString& text);

// FktNr1 and FktNr2 for an analysis of exactly one ticked function; tells
// the user and answers false when none or more than one is ticked.
bool EineFunktionGewaehlt(GraphCore& k);

// Raises the point count by one for a new point. Past the limit it shows the
// limit message, lowers the count again and answers false.
bool NeuerPunktPlatz(GraphCore& k);

// Solves x² + px + q = 0 for the analyses: the roots go into new point slots
// as MitternachtsFormel describes. Answers false when a computing step
// failed (the failure has been reported); then AnzLösungen is 0, no root is
// stored and the point count is as before.
bool QuadratLoesen(GraphCore& k, float p, float q);
