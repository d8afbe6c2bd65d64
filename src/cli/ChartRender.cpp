#include "cli/ChartRender.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "model/PlotSettings.h"
#include "model/StepReload.h"

#include <QPainter>

namespace {

// The viewer's page in pixels at 100 dots per inch: the chart has the proportions it has there.
constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;

} // namespace

ChartRender::ChartRender(CPlotDoc &document, PlotSettings &settings, Reporter &reporter)
    : m_document(document), m_settings(settings), m_reporter(reporter), m_charts(&m_page, document, settings, reporter)
{
    m_page.resize(pageWidth, pageHeight);
    m_page.setAttribute(Qt::WA_DontShowOnScreen);
    m_page.show();
}

bool ChartRender::make()
{
    if (!applyStepReload(m_document, m_settings))
        return false;
    m_charts.DrawActiveChart();
    const ChartHost *host = m_charts.host(m_settings.plotType);
    if (host && host->control())
        return true;
    if (m_settings.plotType == PlotType::FishNet)
        m_reporter.report("The FishNet Plot needs OpenGL on a window system, which is not at hand here: "
                          "run sembla-cli under xvfb-run -a.");
    return false;
}

PagePicture::PainterDrawing ChartRender::drawing()
{
    return [this](QPainter &painter, double dpi) {
        ChartHost *host = m_charts.host(m_settings.plotType);
        const QRect page(0, 0, qRound(pageWidth * dpi / 100.0), qRound(pageHeight * dpi / 100.0));
        return host && host->print(painter, page);
    };
}
