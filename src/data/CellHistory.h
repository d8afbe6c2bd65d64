#pragma once

#include <string>
#include <vector>

class CPlotDoc;
class StepGrid;

// A rectangle of cells: columns firstColumn..lastColumn and rows
// firstRow..lastRow, 0-based, both ends included.
struct CellWindow
{
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;
    int lastRow = 0;

    static CellWindow cell(int column, int row) { return {column, column, row, row}; }
    int cellCount() const { return (lastColumn - firstColumn + 1) * (lastRow - firstRow + 1); }
};

// One window's sum and average of the item at every step: entry s-1 belongs to step s.
struct WindowHistory
{
    std::vector<double> sums;
    std::vector<double> averages;
};

// The histories of some windows of one stress item, in the order the windows were given.
struct CellHistories
{
    std::vector<WindowHistory> windows;
    // Steps 1 to stepsRead hold their values; the entries after them are 0.
    int stepsRead = 0;
    // The steps after it are not in the file: they hold what its reader left.
    int completeSteps = 0;
    // Why the steps after stepsRead were not read; empty when every step was.
    std::string error;

    bool complete() const { return error.empty(); }
};

// The History Plot's sums and averages of the windows, read from each step's
// cache file by the windows' bytes alone: the values of the same columns (outer)
// and rows (inner) added in double in the same order, so the numbers are the
// History Plot's. The grid's own values stay as they are. The read stops at the
// first step whose cache file cannot be read, or at once when a window or the
// item does not fit the grid.
CellHistories ReadCellHistories(const StepGrid &grid, int stepCount, int item, const std::vector<CellWindow> &windows);
// The same over every step of the document's file, with its complete steps.
CellHistories ReadCellHistories(const CPlotDoc &document, int item, const std::vector<CellWindow> &windows);
