#pragma once

#include "model/PlotChoices.h"

struct PlotSettings;

// From the map to the charts: the choices of the plot commands that the
// context menu of the Colored Square Plot runs for a cell or a window of cells
// (columns and rows 1-based), as if their dialogs had been confirmed with them.
// They show the Colored Square's item; a section keeps the current step, a
// history its mode.
namespace CellCommands {

XSecChoice sectionAlongRow(const PlotSettings &settings, int row);
XSecChoice sectionAlongColumn(const PlotSettings &settings, int column);
HistoryChoice historyOfWindow(const PlotSettings &settings, int firstColumn, int lastColumn, int firstRow,
                              int lastRow);

} // namespace CellCommands
