#pragma once

#include "model/PlotChoices.h"

#include <array>
#include <string>

enum class PlotType { ColoredSquare = 0, CrossSection = 1, History = 2, FishNet = 3 };

// The plot types shown in chart windows, in the order of those windows.
inline constexpr std::array<PlotType, 3> chartPlotTypes{PlotType::CrossSection, PlotType::History, PlotType::FishNet};

// Every plot choice of the view. Items are 0-based; steps, columns and rows 1-based.
struct PlotSettings
{
    PlotType plotType = PlotType::ColoredSquare;
    // The type shown by the last draw; a difference switches the chart windows.
    PlotType previousPlotType = PlotType::ColoredSquare;
    // The grid does not hold `step` yet: its next user reads it first.
    bool stepReloadPending = true;
    int step = 1;

    std::string plotTitle;
    std::array<float, 11> scaleTable{};

    ColSqChoice colSq;
    // The Automatic scale spans the item's range over all steps, not this step's.
    bool colSqScaleOverAllSteps = false;
    // The page names the file and the step shown below the grid.
    bool stepLabel = true;
    bool layoutReady = false;
    bool colSqDrawn = false;

    XSecChoice xsec;
    bool xsecChartCreated = false;
    bool xsecNeedsData = false;

    HistoryChoice history;
    bool histChartCreated = false;
    bool histNeedsData = false;

    FishNetChoice fishNet;
    bool fishnetChartCreated = false;
    bool fishnetNeedsData = false;

    // The stress item of the plot type shown; the Colored Square's for a value
    // that is none of the four.
    int &activeItem();
    int activeItem() const;
};

// What differs between the plot types, in this one table: where a type's stress
// item and its chart's flags are kept, and which chart window shows it.
struct PlotTypeFacts
{
    int &(*item)(PlotSettings &settings);
    // nullptr for the Colored Square, which the view draws itself.
    bool PlotSettings::*chartCreated;
    bool PlotSettings::*needsData;
    // The place in chartPlotTypes; -1 for the Colored Square.
    int chartIndex;
};

// The facts of a plot type; nullptr for a value that is none of the four.
const PlotTypeFacts *factsOf(PlotType type);
// The facts of a plot type shown in a chart window; nullptr for any other value.
const PlotTypeFacts *chartFactsOf(PlotType type);
