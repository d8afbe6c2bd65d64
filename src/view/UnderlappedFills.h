#pragma once

#include "view/CellFills.h"

#include <vector>

// Anti-aliasing renderers (poppler, printer drivers) blend each fill's edge with
// what is below it, so two fills that only meet let the white page show along
// their common edge. Here every edge between two colours gets solid colour
// below it: the colour of the most rectangles becomes one rectangle over the
// whole grid, painted first, and every rectangle of the other colours reaches,
// by half their depth, under the neighbours painted after it. What is finally
// seen is unchanged: each colour ends where its cells end, the grid's outline
// included; only hidden paint is added.
//
// The groups are the cells of one drawing as CellFills hands them out: no two
// rectangles overlap. When they do not fill their bounding box, there is no
// grid rectangle and every colour keeps its own rectangles.
std::vector<CellFills::Group> underlappedFills(std::vector<CellFills::Group> groups);
