#pragma once

// The three chart plots of the view: the Cross Section and History Plots in 2-D
// chart windows, the FishNet Plot in the 3-D one, and the routines that create,
// fill and switch them.
//
// How the view uses it:
//   - Hold one ChartPlots as a member, made with the widget the charts cover
//     (the view's viewport), the document, the view's PlotSettings and the
//     Reporter. The charts are created at their first draw as children of that
//     widget; each fills it and follows its size.
//   - OnDraw, after the step reload rule:
//         if (settings.plotType != settings.previousPlotType) charts.SwitchChartWindows();
//         then, for a chart plot type: charts.DrawActiveChart();
//     which runs Create... if the chart was never created, Fill... if it needs
//     data, and releases the chart's batch.
//   - OnPrint of a chart plot: charts.PrintActiveChart(painter, printableRect).
//   - Edit Copy of a chart plot: if (!charts.CopyActiveChartToClipboard(clipboard))
//     report "Unable to set Clipboard data".

#include "charts/ChartRoutines.h"
#include "widgets/charts/LineChartHost.h"
#include "widgets/charts/SurfaceChartHost.h"

#include <array>

class CPlotDoc;
class PlotClipboard;
class QPainter;
class Reporter;
struct PlotSettings;

class ChartPlots
{
public:
    ChartPlots(QWidget *parent, CPlotDoc &document, PlotSettings &settings, Reporter &reporter);

    void SwitchChartWindows() { m_routines.SwitchChartWindows(); }
    void DrawActiveChart() { m_routines.DrawActiveChart(); }

    // The host of a chart plot type; nullptr for the Colored Square.
    ChartHost *host(PlotType type);
    LineChartHost &crossSectionChart() { return m_crossSection; }
    LineChartHost &historyChart() { return m_history; }
    SurfaceChartHost &fishNetChart() { return m_fishNet; }

    // The current plot type's chart as large as printable allows, aspect kept and
    // centred; false when that chart has no control (or the type is no chart).
    bool PrintActiveChart(QPainter &painter, const QRect &printable);
    // The current plot type's chart on the clipboard as SVG and bitmap; false when it cannot.
    bool CopyActiveChartToClipboard(PlotClipboard &clipboard);

private:
    PlotSettings &m_settings;
    LineChartHost m_crossSection;
    LineChartHost m_history;
    SurfaceChartHost m_fishNet;
    // The three in the order of chartPlotTypes.
    std::array<ChartHost *, 3> m_hosts{&m_crossSection, &m_history, &m_fishNet};
    ChartRoutines m_routines;
};
