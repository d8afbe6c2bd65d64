#include "charts/HistoryValues.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "model/PlotSettings.h"

#include <string>

namespace {

// The options dialog keeps the window inside the grid, but a second file with a
// smaller grid keeps the old settings: such a window must not read past the block.
bool windowFits(const CPlotDoc &document, const PlotSettings &settings)
{
    const StepGrid &grid = document.grid();
    return settings.history.itemIndex >= 0 && settings.history.itemIndex < grid.itemCount() && 1 <= settings.history.minX
        && settings.history.minX <= settings.history.maxX && settings.history.maxX <= grid.columnCount()
        && 1 <= settings.history.minY && settings.history.minY <= settings.history.maxY
        && settings.history.maxY <= grid.rowCount();
}

} // namespace

HistoryValues ComputeHistoryValues(CPlotDoc &document, PlotSettings &settings)
{
    HistoryValues result;
    if (!document.isLoaded())
        return result;
    const int stepCount = document.header().stepCount;
    result.sums.assign(static_cast<std::size_t>(stepCount), 0.0);
    result.averages.assign(static_cast<std::size_t>(stepCount), 0.0);
    if (!windowFits(document, settings)) {
        document.reporter().report("The history window X from " + std::to_string(settings.history.minX) + " to "
                                   + std::to_string(settings.history.maxX) + " and Y from "
                                   + std::to_string(settings.history.minY) + " to " + std::to_string(settings.history.maxY)
                                   + " or its stress item does not fit the grid of "
                                   + std::to_string(document.grid().columnCount()) + " columns and "
                                   + std::to_string(document.grid().rowCount()) + " rows.");
        return result;
    }

    const int k = settings.history.itemIndex;
    const int count = (settings.history.maxX - settings.history.minX + 1) * (settings.history.maxY - settings.history.minY + 1);
    const StepGrid &grid = document.grid();
    for (int s = 1; s <= stepCount; ++s) {
        // One failed read is reported once; the steps after it would only repeat it.
        if (!document.loadStep(s))
            break;
        double sum = 0.0;
        for (int x = settings.history.minX - 1; x <= settings.history.maxX - 1; ++x)
            for (int y = settings.history.minY - 1; y <= settings.history.maxY - 1; ++y)
                sum += grid.values[x][y][k];
        result.sums[s - 1] = sum;
        result.averages[s - 1] = sum / count;
        result.stepsSummed = s;
    }
    settings.stepReloadPending = true;
    return result;
}
