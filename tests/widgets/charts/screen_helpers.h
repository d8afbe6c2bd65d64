#pragma once

#include "support/ChartDraws.h"

#include "widgets/charts/ChartPlots.h"
#include "support/ImageInk.h"

#include <QImage>
#include <QWidget>

// 40 x 20 elements of 5 from (1000, 2000) over two steps; item 0 rises along X, item 1 falls along Y.
TestSeam panelSeam();

// The view's side of the charts: an 800 x 600 widget the charts cover, the
// settings and the chart plots over an opened seam.
struct ChartScreen
{
    explicit ChartScreen(const TestSeam &seam = panelSeam());
    void choose(PlotType type) { chooseChart(settings, type); }
    // A plot command's OK with the dialog's choice.
    // The step follows the choice of a plot that shows one.
    template<typename Choice, typename... Step>
    void run(const Choice &choice, Step... step)
    {
        PlotCommands::apply(settings, choice, step..., file.document.header());
    }
    void draw() { drawCharts(file.document, settings, charts); }

    OpenedSeam file;
    QWidget parent;
    PlotSettings settings;
    ChartPlots charts{&parent, file.document, settings, file.reporter};
};
