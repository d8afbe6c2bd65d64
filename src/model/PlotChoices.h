#pragma once

#include "model/PlotEnums.h"

// What the options dialogs hand back, and what the settings keep of each plot.
// Items are 0-based; columns and rows 1-based. The step is shared by the plots
// that show one, so it travels beside a choice, never inside it.

// The Colored Square Plot.
struct ColSqChoice
{
    int itemIndex = 0;
    Palette palette = Palette::ColdToHot;
    ScaleMode scaleMode = ScaleMode::Automatic;
    float scaleMin = 0.0f;
    float scaleMax = 0.0f;
};

// The Cross Section Plot: Parallel to X takes a row for its location, Parallel to Y a column.
struct XSecChoice
{
    int itemIndex = 0;
    CrossSectionDirection direction = CrossSectionDirection::ParallelToX;
    int location = 1;
};

// The History Plot: a window of columns minX..maxX and rows minY..maxY, and
// whether its values are averaged or totalled.
struct HistoryChoice
{
    int itemIndex = 0;
    HistoryMode mode = HistoryMode::Average;
    int minX = 1;
    int maxX = 1;
    int minY = 1;
    int maxY = 1;
};

// The FishNet Plot.
struct FishNetChoice
{
    int itemIndex = 0;
};
