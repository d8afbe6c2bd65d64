#pragma once

#include <vector>

class CPlotDoc;
struct PlotSettings;

// The History Plot's numbers: entry s-1 belongs to step s, one entry for every
// step of the file.
struct HistoryValues
{
    std::vector<double> sums;
    std::vector<double> averages;
    // Steps 1 to stepsSummed hold their values. Fewer than all steps when the window
    // or item does not fit the grid, or a step could not be read (both reported);
    // the entries after them are 0.
    int stepsSummed = 0;

    bool complete() const { return stepsSummed == static_cast<int>(sums.size()); }
};

// Loads every step in turn and sums the history item over the history window,
// columns outer and rows inner, in double. Leaves the grid at the last step read
// and sets stepReloadPending, so the view's step is read again before its next use.
HistoryValues ComputeHistoryValues(CPlotDoc &document, PlotSettings &settings);
