#pragma once

#include "charts/StepAxis.h"
#include "model/PlotEnums.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <optional>

class ProbeSet;
class StepGrid;
struct SeamHeader;

// What the Section panel shows: the points, the chart's title and value axis
// title, and the distance axis over the whole row or column.
struct SectionContent
{
    QList<QPointF> points;
    QString title;
    QString valueTitle;
    std::optional<AxisSpan> axis;
};

// The Section panel's line: the row (ParallelToX) or the column (ParallelToY)
// through one cell at the step the grid holds, the points and texts of the
// Cross Section Plot of that row or column.
struct ProbeSection
{
    CrossSectionDirection direction = CrossSectionDirection::ParallelToX;
    // 1-based: the cell the section runs through (a probe's centre cell, or
    // the cell under the pointer).
    int column = 1;
    int row = 1;
    int item = 0;

    // The Cross Section Plot's location: the row along X, the column along Y.
    int location() const { return direction == CrossSectionDirection::ParallelToX ? row : column; }

    // One point per cell of the section; empty when the grid does not hold
    // the cell or the item.
    QList<QPointF> points(const SeamHeader &header, const StepGrid &grid) const;
    // The points with the Cross Section Plot's texts of this section at the step.
    SectionContent content(const SeamHeader &header, const StepGrid &grid, int step) const;
};

// The cell (column, row, 1-based) the Section panel's line runs through: with
// Follow Pointer the cell under the pointer (none off the map); else the
// selected probe's centre, or the last pinned one's; none without probes.
std::optional<QPoint> sectionCell(const ProbeSet &probes, int selected, bool followPointer,
                                  std::optional<QPoint> pointer);
