#include "charts/ChartRoutines.h"

#include "charts/ChartTemplates.h"
#include "charts/ChartTexts.h"
#include "charts/ChartWindow.h"
#include "charts/CrossSectionPoints.h"
#include "charts/FishNetData.h"
#include "charts/HistoryValues.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"

#include <string>

namespace {

// The create and fill routines of each chart plot, in the order of chartPlotTypes.
struct ChartPlotRoutines
{
    void (ChartRoutines::*create)();
    void (ChartRoutines::*fill)();
};
constexpr std::array<ChartPlotRoutines, 3> chartPlotRoutines{{
    {&ChartRoutines::CreateCrossSectionChart, &ChartRoutines::FillCrossSectionChart},
    {&ChartRoutines::CreateHistoryChart, &ChartRoutines::FillHistoryChart},
    {&ChartRoutines::CreateFishNetChart, &ChartRoutines::FillFishNetChart},
}};

} // namespace

ChartRoutines::ChartRoutines(CPlotDoc &document, PlotSettings &settings, Reporter &reporter,
                             LineChartWindow &crossSection, LineChartWindow &history, SurfaceChartWindow &fishNet)
    : m_document(document), m_settings(settings), m_reporter(reporter), m_crossSection(crossSection),
      m_history(history), m_fishNet(fishNet), m_windows{&crossSection, &history, &fishNet}
{
}

bool ChartRoutines::createWindow(ChartWindow &window, const char *failureMessage)
{
    if (!window.create()) {
        m_reporter.report(failureMessage);
        return false;
    }
    window.setBatch(true);
    return true;
}

void ChartRoutines::reportOnce(const std::string &message)
{
    if (message == m_lastProblem)
        return;
    m_lastProblem = message;
    m_reporter.report(message);
}

void ChartRoutines::CreateCrossSectionChart()
{
    if (!m_document.isLoaded() || !createWindow(m_crossSection, "Could Not Create the Cross Section Plot - DXSP1"))
        return;
    m_crossSection.setXTitle(ChartTexts::crossSectionXTitle);
    m_settings.xsecChartCreated = true;
}

void ChartRoutines::FillCrossSectionChart()
{
    if (!m_document.isLoaded())
        return;
    m_crossSection.setBatch(true);
    const StepGrid &grid = m_document.grid();
    // A step that could not be loaded shows no points rather than another step's.
    const bool stepHeld = m_document.heldStep() == m_settings.step;
    if (!stepHeld || CrossSectionPoints::fits(grid, m_settings)) {
        m_lastProblem.clear();
    } else {
        const bool alongX = m_settings.xsec.direction == CrossSectionDirection::ParallelToX;
        reportOnce("The cross section parallel to " + std::string(alongX ? "X" : "Y") + " at grid location "
                   + std::to_string(m_settings.xsec.location) + " or its stress item does not fit the grid of "
                   + std::to_string(grid.columnCount()) + " columns and " + std::to_string(grid.rowCount())
                   + " rows.");
    }
    // The axis spans the section's elements, from the first one's outer edge to the last one's.
    const SeamHeader &header = m_document.header();
    const bool alongX = m_settings.xsec.direction == CrossSectionDirection::ParallelToX;
    const double start = alongX ? header.originX : header.originY;
    const int elements = alongX ? grid.columnCount() : grid.rowCount();
    m_crossSection.setXAxis(sectionAxis(start, start + elements * static_cast<double>(header.cellSize)));
    // Written even when the section does not fit, so the chart never shows the points of other settings.
    m_crossSection.setContent(
        stepHeld ? CrossSectionPoints::compute(m_document.header(), grid, m_settings) : QList<QPointF>(),
        ChartTexts::crossSectionTitle(m_settings),
        ChartTexts::valueAxisTitle(m_settings.plotTitle, m_document.header().itemUnit(m_settings.xsec.itemIndex)));
}

void ChartRoutines::CreateHistoryChart()
{
    if (!m_document.isLoaded() || !createWindow(m_history, "Could not create the 2D History chart(1)"))
        return;
    m_history.setXTitle(ChartTexts::historyXTitle);
    m_settings.histChartCreated = true;
}

void ChartRoutines::FillHistoryChart()
{
    if (!m_document.isLoaded())
        return;
    const HistoryValues values = ComputeHistoryValues(m_document, m_settings);
    m_history.setBatch(true);
    const bool average = m_settings.history.mode == HistoryMode::Average;
    QList<QPointF> points;
    points.reserve(values.stepsSummed);
    for (int s = 1; s <= values.stepsSummed; ++s)
        points.append(QPointF(s, average ? values.averages[s - 1] : values.sums[s - 1]));
    m_history.setXAxis(stepAxis(static_cast<int>(values.sums.size())));
    m_history.setContent(points, ChartTexts::historyHeader(m_settings),
                         ChartTexts::valueAxisTitle(m_settings.plotTitle,
                                                    m_document.header().itemUnit(m_settings.history.itemIndex)));
    m_settings.histNeedsData = false;
}

void ChartRoutines::CreateFishNetChart()
{
    if (!m_document.isLoaded() || !createWindow(m_fishNet, "Could Not Create the FishNet Chart - IFNP1"))
        return;
    m_fishNet.setHorizontalTitles(ChartTexts::fishNetXTitle, ChartTexts::fishNetYTitle);
    const SeamHeader &header = m_document.header();
    m_fishNet.setAspect(fishNetAspect(header.columnCount, header.rowCount));
    m_settings.fishnetChartCreated = true;
}

void ChartRoutines::FillFishNetChart()
{
    if (!m_document.isLoaded())
        return;
    m_fishNet.setBatch(true);
    const int k = m_settings.fishNet.itemIndex;
    const bool stepHeld = m_document.heldStep() == m_settings.step;
    const FishNetTable table = stepHeld ? fishNetTable(m_document.grid(), k) : FishNetTable();
    if (stepHeld && table.heights.empty())
        m_reporter.report("The FishNet Plot's stress item " + std::to_string(k) + " is not an item of this file.");
    const SeamHeader &header = m_document.header();
    // A file opened since the creation may have other proportions.
    m_fishNet.setAspect(fishNetAspect(header.columnCount, header.rowCount));
    m_fishNet.setContent(table, ChartTexts::valueAxisTitle(m_settings.plotTitle, header.itemUnit(k)));
    m_settings.fishnetNeedsData = false;
}

ChartWindow *ChartRoutines::window(PlotType type) const
{
    const PlotTypeFacts *chart = chartFactsOf(type);
    return chart ? m_windows[chart->chartIndex] : nullptr;
}

void ChartRoutines::SwitchChartWindows()
{
    if (ChartWindow *previous = window(m_settings.previousPlotType); previous && previous->exists()) {
        previous->saveViewState(ChartTemplates::filePath(m_settings.previousPlotType));
        previous->destroy();
    }
    const PlotTypeFacts *chart = chartFactsOf(m_settings.plotType);
    if (!chart || !(m_settings.*chart->chartCreated))
        return;
    ChartWindow *next = m_windows[chart->chartIndex];
    if (!next->create()) {
        m_reporter.report("Could Not Create the Cross Section Plot - RW1");
        return;
    }
    next->loadViewState(ChartTemplates::filePath(m_settings.plotType));
}

void ChartRoutines::DrawActiveChart()
{
    // The Colored Square, and any value that is none of the four, draw nothing here.
    const PlotTypeFacts *chart = chartFactsOf(m_settings.plotType);
    if (!chart)
        return;
    const ChartPlotRoutines &routines = chartPlotRoutines[chart->chartIndex];
    if (!(m_settings.*chart->chartCreated))
        (this->*routines.create)();
    if (m_settings.*chart->needsData)
        (this->*routines.fill)();
    // The History Plot covers every step; the line says which one the other plots show.
    if (m_settings.plotType == PlotType::History && m_document.isLoaded())
        m_history.setMarker(m_settings.step);
    m_windows[chart->chartIndex]->setBatch(false);
}
