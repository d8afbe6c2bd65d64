#include "widgets/charts/ChartPlots.h"

#include "charts/ChartReadout.h"

#include "view/PlotClipboard.h"
#include "model/PlotSettings.h"

ChartPlots::ChartPlots(QWidget *parent, CPlotDoc &document, PlotSettings &settings, Reporter &reporter)
    : m_settings(settings),
      // The direction is the settings' own: a change of it fills the chart again at once.
      m_crossSection(parent, QStringLiteral("Cross Section Plot"),
                     [&settings](int index, const QPointF &point) {
                         return ChartReadout::crossSectionText(settings.xsec.direction, index, point);
                     }),
      m_history(parent, QStringLiteral("History Plot"),
                [](int, const QPointF &point) { return ChartReadout::historyText(point); }),
      m_fishNet(parent),
      m_routines(document, settings, reporter, m_crossSection, m_history, m_fishNet)
{
}

ChartHost *ChartPlots::host(PlotType type)
{
    const PlotTypeFacts *chart = chartFactsOf(type);
    return chart ? m_hosts[chart->chartIndex] : nullptr;
}

bool ChartPlots::PrintActiveChart(QPainter &painter, const QRect &printable)
{
    ChartHost *chart = host(m_settings.plotType);
    return chart && chart->print(painter, printable);
}

bool ChartPlots::CopyActiveChartToClipboard(PlotClipboard &clipboard)
{
    ChartHost *chart = host(m_settings.plotType);
    std::unique_ptr<QMimeData> data = chart ? chart->clipboardData() : nullptr;
    return data && clipboard.put(std::move(data)) == PlotClipboard::Result::Done;
}
