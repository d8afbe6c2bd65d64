#include "view/PlotCommands.h"

#include "data/SeamHeader.h"
#include "view/PlotSettings.h"

namespace PlotCommands {

namespace {

void takeStep(PlotSettings &settings, int stepNumber)
{
    if (stepNumber != settings.step)
        settings.stepReloadPending = true;
    settings.step = stepNumber;
}

void makeCurrent(PlotSettings &settings, PlotType type, int itemIndex, const SeamHeader &header)
{
    settings.plotTitle = header.itemName(itemIndex);
    settings.previousPlotType = settings.plotType;
    settings.plotType = type;
    if (const PlotTypeFacts *chart = chartFactsOf(type))
        settings.*chart->needsData = true;
}

} // namespace

ColSqChoice coloredSquareChoice(const PlotSettings &settings)
{
    return ColSqChoice{settings.colSqItem, settings.step, settings.colSqPalette,
                       settings.colSqScaleMode, settings.colSqScaleMin, settings.colSqScaleMax};
}

XSecChoice crossSectionChoice(const PlotSettings &settings)
{
    return XSecChoice{settings.xsecItem, settings.step, settings.xsecDirection, settings.xsecLocation};
}

HistoryChoice historyChoice(const PlotSettings &settings)
{
    return HistoryChoice{settings.histItem, settings.histMode, settings.histMinX,
                         settings.histMaxX, settings.histMinY, settings.histMaxY};
}

FishNetChoice fishNetChoice(const PlotSettings &settings)
{
    return FishNetChoice{settings.fishnetItem, settings.step};
}

void apply(PlotSettings &settings, const ColSqChoice &choice, const SeamHeader &header)
{
    takeStep(settings, choice.stepNumber);
    settings.colSqItem = choice.itemIndex;
    settings.colSqPalette = choice.palette;
    settings.colSqScaleMode = choice.scaleMode;
    settings.colSqScaleMin = choice.scaleMin;
    settings.colSqScaleMax = choice.scaleMax;
    makeCurrent(settings, PlotType::ColoredSquare, choice.itemIndex, header);
}

void apply(PlotSettings &settings, const XSecChoice &choice, const SeamHeader &header)
{
    takeStep(settings, choice.stepNumber);
    settings.xsecItem = choice.itemIndex;
    settings.xsecDirection = choice.direction;
    settings.xsecLocation = choice.location;
    makeCurrent(settings, PlotType::CrossSection, choice.itemIndex, header);
}

void apply(PlotSettings &settings, const HistoryChoice &choice, const SeamHeader &header)
{
    settings.histItem = choice.itemIndex;
    settings.histMode = choice.mode;
    settings.histMinX = choice.minX;
    settings.histMaxX = choice.maxX;
    settings.histMinY = choice.minY;
    settings.histMaxY = choice.maxY;
    makeCurrent(settings, PlotType::History, choice.itemIndex, header);
}

void apply(PlotSettings &settings, const FishNetChoice &choice, const SeamHeader &header)
{
    takeStep(settings, choice.stepNumber);
    settings.fishnetItem = choice.itemIndex;
    makeCurrent(settings, PlotType::FishNet, choice.itemIndex, header);
}

} // namespace PlotCommands
