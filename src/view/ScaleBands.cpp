#include "view/ScaleBands.h"

#include "data/Float32.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "data/StepRanges.h"
#include "model/PlotSettings.h"

#include <cmath>

void ComputeScaleTable(const SeamHeader &header, const StepGrid &grid, PlotSettings &settings,
                       const StepRanges *ranges)
{
    float lower = settings.colSq.scaleMin;
    float upper = settings.colSq.scaleMax;
    const ValueRange overAll = settings.colSq.scaleMode != ScaleMode::MinToMax && settings.colSqScaleOverAllSteps && ranges
                                   ? ranges->overAllSteps(settings.colSq.itemIndex)
                                   : ValueRange{};
    if (overAll.known) {
        lower = overAll.min;
        upper = overAll.max;
    } else if (settings.colSq.scaleMode != ScaleMode::MinToMax) {
        const int item = settings.colSq.itemIndex;
        // The scan stays inside the block the grid holds; an item it lacks gives a flat scale at 0.
        const bool inside = grid.allocated() && item >= 0 && item < grid.itemCount() && grid.columnCount() > 0
                            && grid.rowCount() > 0 && header.columnCount == grid.columnCount()
                            && header.rowCount == grid.rowCount();
        lower = upper = inside ? grid.values[0][0][item] : 0.0f;
        for (int ix = 0; inside && ix < grid.columnCount(); ++ix) {
            const StepGrid::Column column = grid.values[ix];
            for (int iy = 0; iy < grid.rowCount(); ++iy) {
                const float value = column[iy][item];
                if (value < lower)
                    lower = value;
                if (value > upper)
                    upper = value;
            }
        }
    }
    // The step is formed in double, where even the span of float's whole range is
    // finite, and rounded once.
    const float stepSize = roundedToFloat((double(upper) - lower) / 10.0);
    // The limits accumulate: the last one may miss the upper end in its last bits.
    settings.scaleTable[0] = lower;
    for (int k = 1; k <= 10; ++k)
        settings.scaleTable[k] = roundedToFloat(double(settings.scaleTable[k - 1]) + stepSize);
}

int BandIndex(const std::array<float, 11> &scaleTable, float value)
{
    if (std::isinf(value))
        return value > 0 ? 9 : 0;
    if (value < scaleTable[0])
        return 0;
    for (int k = 0; k <= 8; ++k) {
        if (scaleTable[k] <= value && value <= scaleTable[k + 1])
            return k;
    }
    // Above limit 9, or not comparable at all (NaN).
    return 9;
}
