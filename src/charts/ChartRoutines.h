#pragma once

#include "model/PlotSettings.h"

#include <array>
#include <string>

class CPlotDoc;
class ChartWindow;
class LineChartWindow;
class Reporter;
class SurfaceChartWindow;

// The create, fill and switch routines of the three chart plots and their
// bookkeeping in PlotSettings, over chart windows of any kind: the widget hosts
// in the viewer and the command-line renderer, recorders in the tests.
class ChartRoutines
{
public:
    ChartRoutines(CPlotDoc &document, PlotSettings &settings, Reporter &reporter, LineChartWindow &crossSection,
                  LineChartWindow &history, SurfaceChartWindow &fishNet);

    void CreateCrossSectionChart();
    void FillCrossSectionChart();
    void CreateHistoryChart();
    void FillHistoryChart();
    void CreateFishNetChart();
    void FillFishNetChart();

    // The plot type changed since the last draw: the previous chart keeps its view in
    // its template file and loses its control; the new one, if it was ever created,
    // gets its control back with that view.
    void SwitchChartWindows();

    // The chart branch of the draw dispatch for the current plot type: create if
    // not yet created, fill if data is wanted, then release the batch. Nothing for
    // the Colored Square.
    void DrawActiveChart();

private:
    // The window of a chart plot type; nullptr for any other value.
    ChartWindow *window(PlotType type) const;
    bool createWindow(ChartWindow &window, const char *failureMessage);
    // Each different problem is reported once: the cross section refills at every
    // paint and would repeat the same message at each.
    void reportOnce(const std::string &message);

    CPlotDoc &m_document;
    PlotSettings &m_settings;
    Reporter &m_reporter;
    LineChartWindow &m_crossSection;
    LineChartWindow &m_history;
    SurfaceChartWindow &m_fishNet;
    // The three in the order of chartPlotTypes.
    std::array<ChartWindow *, 3> m_windows;
    std::string m_lastProblem;
};
