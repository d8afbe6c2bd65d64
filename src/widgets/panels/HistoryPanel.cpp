#include "widgets/panels/HistoryPanel.h"

#include "charts/ChartTexts.h"
#include "charts/StepAxis.h"
#include "widgets/charts/ZoomPanChartView.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

struct ValueRange
{
    double min = 0.0;
    double max = 1.0;
};

// The finite values of every history, with 5 % room above and below; 0 to 1 for none.
ValueRange valueRange(const std::vector<ProbeHistory> &histories)
{
    bool any = false;
    ValueRange range{0.0, 0.0};
    for (const ProbeHistory &history : histories)
        for (const double value : history.values) {
            if (!std::isfinite(value))
                continue;
            range.min = any ? std::min(range.min, value) : value;
            range.max = any ? std::max(range.max, value) : value;
            any = true;
        }
    if (!any)
        return {0.0, 1.0};
    const double span = range.max - range.min;
    const double room = span > 0.0 ? span * 0.05 : std::max(1.0, std::abs(range.max) * 0.05);
    return {range.min - room, range.max + room};
}

} // namespace

HistoryPanel::HistoryPanel(QWidget *parent) : QWidget(parent)
{
    m_chart = new QChart;
    m_chart->setBackgroundRoundness(0);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_axisX = new QValueAxis;
    m_axisY = new QValueAxis;
    m_axisX->setTitleText(ChartTexts::historyXTitle);
    m_axisX->setLabelFormat(QStringLiteral("%g"));
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    m_axisY->setMinorTickCount(1);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    // The History Plot's current-step line: red, dashed.
    m_stepLine = new QLineSeries;
    QPen stepPen(QColor(200, 0, 0));
    stepPen.setWidthF(1.5);
    stepPen.setStyle(Qt::DashLine);
    m_stepLine->setPen(stepPen);
    m_chart->addSeries(m_stepLine);
    m_stepLine->attachAxis(m_axisX);
    m_stepLine->attachAxis(m_axisY);
    m_chart->legend()->markers(m_stepLine).constFirst()->setVisible(false);

    m_view = new ZoomPanChartView(m_chart, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setMinimumSize(240, 160);
}

void HistoryPanel::setHistories(const std::vector<ProbeHistory> &histories, const QString &title,
                                const QString &valueTitle)
{
    while (m_series.size() > static_cast<qsizetype>(histories.size())) {
        QLineSeries *series = m_series.takeLast();
        m_chart->removeSeries(series);
        delete series;
    }
    while (m_series.size() < static_cast<qsizetype>(histories.size())) {
        auto *series = new QLineSeries;
        // A file of one step is one point: without markers it would not show.
        series->setPointsVisible(true);
        series->setMarkerSize(5.0);
        m_chart->addSeries(series);
        series->attachAxis(m_axisX);
        series->attachAxis(m_axisY);
        m_series.append(series);
    }
    m_stepCount = 0;
    for (std::size_t i = 0; i < histories.size(); ++i) {
        const ProbeHistory &history = histories[i];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(history.values.size()));
        for (std::size_t s = 0; s < history.values.size(); ++s)
            points.append(QPointF(static_cast<double>(s + 1), history.values[s]));
        QLineSeries *series = m_series[static_cast<qsizetype>(i)];
        QPen pen(QColor::fromRgb(history.colour));
        pen.setWidthF(2.0);
        series->setPen(pen);
        series->setColor(pen.color());
        series->setName(history.name);
        series->replace(points);
        m_stepCount = std::max(m_stepCount, static_cast<int>(history.values.size()));
    }
    m_chart->setTitle(title.toHtmlEscaped());
    m_axisY->setTitleText(valueTitle.toHtmlEscaped());
    if (const std::optional<AxisSpan> axis = stepAxis(m_stepCount)) {
        m_axisX->setTickType(QValueAxis::TicksDynamic);
        m_axisX->setTickAnchor(0.0);
        m_axisX->setTickInterval(axis->tickInterval);
        m_axisX->setRange(axis->min, axis->max);
    } else {
        m_axisX->setRange(0.0, 1.0);
    }
    const ValueRange y = valueRange(histories);
    m_axisY->setRange(y.min, y.max);
    m_axisY->applyNiceNumbers();
    showStepLine();
}

void HistoryPanel::setStep(int step)
{
    m_step = step;
    showStepLine();
}

void HistoryPanel::showStepLine()
{
    // The line spans the value axis as it stands, zoomed or not.
    if (m_step >= 1 && m_step <= m_stepCount)
        m_stepLine->replace({QPointF(m_step, m_axisY->min()), QPointF(m_step, m_axisY->max())});
    else
        m_stepLine->clear();
}
