#pragma once

#include <string>

class CPlotDoc;
class StepGrid;
struct PlotSettings;

// How many cells of a step lie outside a user's Min-Max scale: below its
// minimum they share the lowest colour, above its maximum the highest, so the
// picture alone cannot tell them from cells inside.
struct ScaleOutliers
{
    long long below = 0;
    long long above = 0;

    // NaN cells count on neither side.
    static ScaleOutliers count(const StepGrid &grid, int item, float min, float max);
    // "12 cells below and 3 above the Min-Max scale" for the status bar while the
    // Colored Square Plot of a loaded step is shown under a Min-Max scale; empty otherwise.
    static std::string statusText(const CPlotDoc &document, const PlotSettings &settings);
};
