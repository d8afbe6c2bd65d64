#include "charts/CrossSectionPoints.h"

#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "model/PlotSettings.h"

namespace CrossSectionPoints {

bool fits(const StepGrid &grid, const PlotSettings &settings)
{
    const bool alongX = settings.xsec.direction == CrossSectionDirection::ParallelToX;
    const int locations = alongX ? grid.rowCount() : grid.columnCount();
    return grid.allocated() && settings.xsec.itemIndex >= 0 && settings.xsec.itemIndex < grid.itemCount()
           && settings.xsec.location >= 1 && settings.xsec.location <= locations;
}

QList<QPointF> compute(const SeamHeader &header, const StepGrid &grid, const PlotSettings &settings)
{
    QList<QPointF> points;
    if (!fits(grid, settings))
        return points;
    // The centres are float32 like the header; the positions along the section are
    // formed in double from them.
    const float w = header.cellSize;
    const float cx = header.originX + w * 0.5f;
    const float cy = header.originY + w * 0.5f;
    const int L = settings.xsec.location;
    const int k = settings.xsec.itemIndex;
    if (settings.xsec.direction == CrossSectionDirection::ParallelToX) {
        const int n = grid.columnCount();
        points.reserve(n);
        for (int i = 0; i < n; ++i)
            points.append(QPointF(i * static_cast<double>(w) + cx, grid.values[i][L - 1][k]));
    } else {
        const int n = grid.rowCount();
        points.reserve(n);
        for (int i = 0; i < n; ++i)
            points.append(QPointF(i * static_cast<double>(w) + cy, grid.values[L - 1][i][k]));
    }
    return points;
}

} // namespace CrossSectionPoints
