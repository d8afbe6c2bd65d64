#include "support/ChartDraws.h"

void chooseChart(PlotSettings &settings, PlotType type)
{
    settings.previousPlotType = settings.plotType;
    settings.plotType = type;
    if (const PlotTypeFacts *chart = chartFactsOf(type))
        settings.*chart->needsData = true;
}
