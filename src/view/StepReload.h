#pragma once

class CPlotDoc;
struct PlotSettings;

// The step reload rule: every user of the grid calls this first. When a reload
// is pending the grid reads `step` from its cache file and the flag clears.
// Returns false when the cache file could not be read (already reported).
bool applyStepReload(CPlotDoc &document, PlotSettings &settings);
