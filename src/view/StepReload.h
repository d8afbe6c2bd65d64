#pragma once

class CPlotDoc;
struct PlotSettings;

// The step reload rule: every user of the grid calls this first. When a reload
// is pending, or the grid does not hold `step` (a load of it failed), the grid
// reads `step` from its cache file and the flag clears. Returns false when the
// grid does not hold `step` then (the failure is already reported): nothing
// may show the grid's values as that step's.
bool applyStepReload(CPlotDoc &document, PlotSettings &settings);
