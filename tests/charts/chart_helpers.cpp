#include "chart_helpers.h"

void chooseChart(PlotSettings &settings, PlotType type)
{
    settings.previousPlotType = settings.plotType;
    settings.plotType = type;
    if (type == PlotType::CrossSection)
        settings.xsecNeedsData = true;
    if (type == PlotType::History)
        settings.histNeedsData = true;
    if (type == PlotType::FishNet)
        settings.fishnetNeedsData = true;
}
