#include "view/ScaleOutliers.h"

#include "data/CPlotDoc.h"
#include "model/PlotSettings.h"

ScaleOutliers ScaleOutliers::count(const StepGrid &grid, int item, float min, float max)
{
    ScaleOutliers outliers;
    if (!grid.allocated() || item < 0 || item >= grid.itemCount())
        return outliers;
    const float *values = grid.data();
    const std::size_t count = grid.valueCount();
    for (std::size_t i = static_cast<std::size_t>(item); i < count; i += static_cast<std::size_t>(grid.itemCount())) {
        outliers.below += values[i] < min;
        outliers.above += values[i] > max;
    }
    return outliers;
}

std::string ScaleOutliers::statusText(const CPlotDoc &document, const PlotSettings &settings)
{
    if (!document.isLoaded() || settings.plotType != PlotType::ColoredSquare
        || settings.colSq.scaleMode != ScaleMode::MinToMax || document.heldStep() != settings.step)
        return {};
    const ScaleOutliers outliers =
        count(document.grid(), settings.colSq.itemIndex, settings.colSq.scaleMin, settings.colSq.scaleMax);
    return std::to_string(outliers.below) + (outliers.below == 1 ? " cell" : " cells") + " below and "
           + std::to_string(outliers.above) + " above the Min-Max scale";
}
