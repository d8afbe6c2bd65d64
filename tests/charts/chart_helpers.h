#pragma once

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "view/PlotSettings.h"

#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

// Keeps every message, so a test sees what a user would have been shown.
class RecordingReporter : public Reporter
{
public:
    void report(const std::string &message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// A seam output file made for one test: sizes, names and a value for every
// (step, column, row, item), all 0-based except the step.
struct TestSeam
{
    int steps = 1;
    int columns = 1;
    int rows = 1;
    int items = 1;
    float cellSize = 10.0f;
    float originX = 0.0f;
    float originY = 0.0f;
    std::vector<std::string> names{"Vertical Stress"};
    std::vector<std::string> units{"MPa"};
    std::function<float(int step, int ix, int iy, int k)> value = [](int, int, int, int) { return 0.0f; };
};

// A document holding a TestSeam opened from a temporary folder.
class OpenedSeam
{
public:
    explicit OpenedSeam(const TestSeam &seam);
    bool opened() const { return m_opened; }

    QTemporaryDir folder;
    RecordingReporter reporter;
    CPlotDoc document{reporter};

private:
    bool m_opened = false;
};

// What a plot command's OK does to the settings: the type becomes current and its chart wants data.
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
