#pragma once

#include "widgets/charts/ChartPlots.h"
#include "view/PagePicture.h"

#include <QWidget>

class CPlotDoc;
class Reporter;
struct PlotSettings;

// The chart plots of `sembla-cli render`: made as the view makes them, in chart
// windows over a page-sized widget that is never put on screen, and drawn as
// large as the page allows.
class ChartRender
{
public:
    ChartRender(CPlotDoc &document, PlotSettings &settings, Reporter &reporter);

    // Creates and fills the chart of the settings' plot type; false when it could
    // not be made (reported).
    bool make();
    PagePicture::PainterDrawing drawing();

private:
    CPlotDoc &m_document;
    PlotSettings &m_settings;
    Reporter &m_reporter;
    QWidget m_page;
    ChartPlots m_charts;
};
