#pragma once

#include <array>
#include <string>

enum class PlotType { ColoredSquare = 0, CrossSection = 1, History = 2, FishNet = 3 };
enum class Palette { ColdToHot = 0, HotToCold = 1, Roygbiv = 2 };
enum class ScaleMode { Automatic = 0, MinToMax = 1 };
enum class CrossSectionDirection { ParallelToX = 0, ParallelToY = 1 };
enum class HistoryMode { Average = 0, Total = 1 };

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
};
