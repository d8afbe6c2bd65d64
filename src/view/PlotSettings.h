#pragma once

#include "dialogs/PlotEnums.h"

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

    int colSqItem = 0;
    Palette colSqPalette = Palette::ColdToHot;
    ScaleMode colSqScaleMode = ScaleMode::Automatic;
    float colSqScaleMin = 0.0f;
    float colSqScaleMax = 0.0f;
    // The Automatic scale spans the item's range over all steps, not this step's.
    bool colSqScaleOverAllSteps = false;
    // The page names the file and the step shown below the grid.
    bool stepLabel = true;
    bool layoutReady = false;
    bool colSqDrawn = false;

    int xsecItem = 0;
    CrossSectionDirection xsecDirection = CrossSectionDirection::ParallelToX;
    int xsecLocation = 1;
    bool xsecChartCreated = false;
    bool xsecNeedsData = false;

    int histItem = 0;
    int histMinX = 1;
    int histMaxX = 1;
    int histMinY = 1;
    int histMaxY = 1;
    HistoryMode histMode = HistoryMode::Average;
    bool histChartCreated = false;
    bool histNeedsData = false;

    int fishnetItem = 0;
    bool fishnetChartCreated = false;
    bool fishnetNeedsData = false;

    // The stress item of the plot type shown; the Colored Square's for a value
    // that is none of the four.
    int &activeItem();
    int activeItem() const;
};

// What differs between the plot types, in this one table: which fields keep a
// type's stress item and its chart's flags, and which chart window shows it.
struct PlotTypeFacts
{
    int PlotSettings::*item;
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
