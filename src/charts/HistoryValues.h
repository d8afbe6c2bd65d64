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
    // False when the window or item does not fit the grid, or a step could not be
    // read (both reported); the entries then hold what was summed before.
    bool complete = false;
};

// Loads every step in turn and sums the history item over the history window,
// columns outer and rows inner, in double. Leaves the grid at the last step read
// and sets stepReloadPending, so the view's step is read again before its next use.
HistoryValues ComputeHistoryValues(CPlotDoc &document, PlotSettings &settings);
