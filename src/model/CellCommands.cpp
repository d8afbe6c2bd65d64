#include "model/CellCommands.h"

#include "model/PlotSettings.h"

#include <algorithm>

namespace CellCommands {

XSecChoice sectionAlongRow(const PlotSettings &settings, int row)
{
    return XSecChoice{settings.colSq.itemIndex, CrossSectionDirection::ParallelToX, row};
}

XSecChoice sectionAlongColumn(const PlotSettings &settings, int column)
{
    return XSecChoice{settings.colSq.itemIndex, CrossSectionDirection::ParallelToY, column};
}

HistoryChoice historyOfWindow(const PlotSettings &settings, int firstColumn, int lastColumn, int firstRow,
                              int lastRow)
{
    // A window dragged either way round.
    return HistoryChoice{settings.colSq.itemIndex,
                         settings.history.mode,
                         std::min(firstColumn, lastColumn),
                         std::max(firstColumn, lastColumn),
                         std::min(firstRow, lastRow),
                         std::max(firstRow, lastRow)};
}

} // namespace CellCommands
