#include "data/CellHistory.h"

#include "data/CPlotDoc.h"
#include "data/StepGrid.h"

#include <algorithm>

namespace {

bool fits(const StepGrid &grid, const CellWindow &window)
{
    return 0 <= window.firstColumn && window.firstColumn <= window.lastColumn
        && window.lastColumn < grid.columnCount() && 0 <= window.firstRow && window.firstRow <= window.lastRow
        && window.lastRow < grid.rowCount();
}

std::string misfitText(const StepGrid &grid, int item, const CellWindow &window)
{
    return "The history window X from " + std::to_string(window.firstColumn + 1) + " to "
           + std::to_string(window.lastColumn + 1) + " and Y from " + std::to_string(window.firstRow + 1) + " to "
           + std::to_string(window.lastRow + 1) + " or its stress item " + std::to_string(item)
           + " does not fit the grid of " + std::to_string(grid.columnCount()) + " columns, "
           + std::to_string(grid.rowCount()) + " rows and " + std::to_string(grid.itemCount()) + " items.";
}

// A window's column holds the item's values of its rows one item count apart,
// so each column is one run from its first row's value to its last row's.
std::vector<StepGrid::ValueRun> runsOf(const StepGrid &grid, int item, const std::vector<CellWindow> &windows)
{
    const std::size_t items = static_cast<std::size_t>(grid.itemCount());
    std::vector<StepGrid::ValueRun> runs;
    for (const CellWindow &window : windows) {
        for (int ix = window.firstColumn; ix <= window.lastColumn; ++ix) {
            const std::size_t firstCell = static_cast<std::size_t>(ix) * static_cast<std::size_t>(grid.rowCount())
                                          + static_cast<std::size_t>(window.firstRow);
            const std::size_t rowsAfterFirst = static_cast<std::size_t>(window.lastRow - window.firstRow);
            runs.push_back({firstCell * items + static_cast<std::size_t>(item), rowsAfterFirst * items + 1});
        }
    }
    return runs;
}

} // namespace

CellHistories ReadCellHistories(const StepGrid &grid, int stepCount, int item, const std::vector<CellWindow> &windows)
{
    CellHistories result;
    result.completeSteps = stepCount;
    const std::size_t steps = static_cast<std::size_t>(std::max(stepCount, 0));
    result.windows.assign(windows.size(), WindowHistory{std::vector<double>(steps), std::vector<double>(steps)});
    if (!grid.allocated()) {
        result.error = "No file is open.";
        return result;
    }
    for (const CellWindow &window : windows) {
        if (item < 0 || item >= grid.itemCount() || !fits(grid, window)) {
            result.error = misfitText(grid, item, window);
            return result;
        }
    }

    const std::vector<StepGrid::ValueRun> runs = runsOf(grid, item, windows);
    std::size_t valueCount = 0;
    for (const StepGrid::ValueRun &run : runs)
        valueCount += run.count;
    std::vector<float> values(valueCount);
    const std::size_t items = static_cast<std::size_t>(grid.itemCount());
    for (int s = 1; s <= stepCount; ++s) {
        if (!grid.ReadValues(s, runs, values.data(), result.error))
            return result;
        // The runs lie one after another in values, a window's columns in order.
        const float *column = values.data();
        auto run = runs.begin();
        for (std::size_t w = 0; w < windows.size(); ++w) {
            const CellWindow &window = windows[w];
            double sum = 0.0;
            for (int ix = window.firstColumn; ix <= window.lastColumn; ++ix) {
                for (std::size_t value = 0; value < run->count; value += items)
                    sum += column[value];
                column += run->count;
                ++run;
            }
            result.windows[w].sums[s - 1] = sum;
            result.windows[w].averages[s - 1] = sum / window.cellCount();
        }
        result.stepsRead = s;
    }
    return result;
}

CellHistories ReadCellHistories(const CPlotDoc &document, int item, const std::vector<CellWindow> &windows)
{
    CellHistories result = ReadCellHistories(document.grid(), document.header().stepCount, item, windows);
    result.completeSteps = document.completeSteps();
    return result;
}
