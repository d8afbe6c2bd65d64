#pragma once

struct PlotSettings;
struct SeamHeader;

// After every File Open: the step is marked for reloading and every setting is
// pulled inside the new file, so that no draw, copy or export indexes outside
// its grid. An item not below itemCount falls back to 0; the step goes into
// 1..stepCount; the cross-section location into the rows (ParallelToX) or the
// columns (ParallelToY); the history window into the grid. The title follows the
// active plot's item in the new file, the charts are marked for refilling, and
// the readout waits for the next drawing.
void pullSettingsInside(const SeamHeader &header, PlotSettings &settings);
