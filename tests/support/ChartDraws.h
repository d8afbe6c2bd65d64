#pragma once

#include "support/TestSeam.h"
#include "model/PlotCommands.h"
#include "model/PlotSettings.h"

#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

// The type becomes current and its chart wants data, the choices left as they are.
void chooseChart(PlotSettings &settings, PlotType type);

// The chart part of the view's draw: the step reload rule, the switch when the type
// changed, the dispatch and its bookkeeping; Charts is ChartRoutines or ChartPlots.
template<typename Charts>
void drawCharts(CPlotDoc &document, PlotSettings &settings, Charts &charts)
{
    if (settings.stepReloadPending) {
        settings.stepReloadPending = false;
        document.loadStep(settings.step);
    }
    if (settings.plotType != settings.previousPlotType)
        charts.SwitchChartWindows();
    charts.DrawActiveChart();
    settings.previousPlotType = settings.plotType;
}
