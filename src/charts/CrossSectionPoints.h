#pragma once

#include <QList>
#include <QPointF>

class StepGrid;
struct PlotSettings;
struct SeamHeader;

// The Cross Section Plot's points, shared by the chart and the ASCII export:
// X at the element centres along the section, Y the item's value there.
namespace CrossSectionPoints {

// The location and item lie inside the grid. The options dialog keeps them there,
// but the settings outlive a file, and a smaller second file must not be read past.
bool fits(const StepGrid &grid, const PlotSettings &settings);

// One point per element of the row (ParallelToX) or column (ParallelToY); empty
// when the settings do not fit the grid.
QList<QPointF> compute(const SeamHeader &header, const StepGrid &grid, const PlotSettings &settings);

} // namespace CrossSectionPoints
