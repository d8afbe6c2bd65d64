#include "model/PlotCommands.h"

#include "data/SeamHeader.h"
#include "model/PlotSettings.h"

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

void apply(PlotSettings &settings, const ColSqChoice &choice, int step, const SeamHeader &header)
{
    takeStep(settings, step);
    settings.colSq = choice;
    makeCurrent(settings, PlotType::ColoredSquare, choice.itemIndex, header);
}

void apply(PlotSettings &settings, const XSecChoice &choice, int step, const SeamHeader &header)
{
    takeStep(settings, step);
    settings.xsec = choice;
    makeCurrent(settings, PlotType::CrossSection, choice.itemIndex, header);
}

void apply(PlotSettings &settings, const HistoryChoice &choice, const SeamHeader &header)
{
    settings.history = choice;
    makeCurrent(settings, PlotType::History, choice.itemIndex, header);
}

void apply(PlotSettings &settings, const FishNetChoice &choice, int step, const SeamHeader &header)
{
    takeStep(settings, step);
    settings.fishNet = choice;
    makeCurrent(settings, PlotType::FishNet, choice.itemIndex, header);
}

} // namespace PlotCommands
