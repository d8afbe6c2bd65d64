#pragma once

#include <array>

class StepGrid;
class StepRanges;
struct PlotSettings;
struct SeamHeader;

// Fills settings.scaleTable with the eleven band limits of settings.colSq.itemIndex:
// from the grid's extremes (Automatic) or the user's range (MinToMax), in ten
// equal steps that accumulate in float32. Automatic over all steps takes the
// item's range over the whole file from ranges, so that colours mean the same
// at every step; without ranges, or for an item with no number at any step, the
// grid's extremes serve.
void ComputeScaleTable(const SeamHeader &header, const StepGrid &grid, PlotSettings &settings,
                       const StepRanges *ranges = nullptr);

// The band 0..9 of a value under the scale: below the lowest limit band 0, a
// value on an inner limit the band below it, anything above limit 9 band 9.
// NaN and +inf are band 9, -inf band 0, whatever the limits.
int BandIndex(const std::array<float, 11> &scaleTable, float value);
