#pragma once

#include <string>

class CPlotDoc;
struct PlotSettings;
struct SeamHeader;

// The step reload rule: every user of the grid calls this first. When a reload
// is pending, or the grid does not hold `step` (a load of it failed), the grid
// reads `step` from its cache file and the flag clears. Returns false when the
// grid does not hold `step` then (the failure is already reported): nothing
// may show the grid's values as that step's.
bool applyStepReload(CPlotDoc &document, PlotSettings &settings);

// The message for an export of a plot at a step the file cut off (its values
// are what the reader left, not the step's); empty when the plot's step is
// held whole or the plot spans every step.
std::string stepNotInTheFileText(const CPlotDoc &document, const PlotSettings &settings);

// While a file is being read the current plot may need a step not read yet:
// the last step it needs (its step, or every step for the History Plot), and
// what the view says while it waits for it.
int lastStepNeeded(const SeamHeader &header, const PlotSettings &settings);
// The plot needs the ranges of every step, which are known once the file is read whole.
bool needsStepRanges(const PlotSettings &settings);
std::string waitingText(const SeamHeader &header, const PlotSettings &settings);
