#include "widgets/charts/LineChartHost.h"

#include "charts/ChartReadout.h"
#include "widgets/charts/ZoomPanChartView.h"

#include <QChart>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Qt Charts lays titles out as rich text: keep the text literal and its line break.
QString richText(const QString &plain)
{
    return plain.toHtmlEscaped().replace('\n', QStringLiteral("<br>"));
}

struct Range
{
    double min = 0.0;
    double max = 1.0;
};

// The data's extent along one coordinate, widened by margin of its span; never empty.
Range dataRange(const QList<QPointF> &points, double (QPointF::*coordinate)() const, double margin)
{
    Range range{0.0, 0.0};
    bool any = false;
    for (const QPointF &point : points) {
        const double value = (point.*coordinate)();
        if (!std::isfinite(value))
            continue;
        range.min = any ? std::min(range.min, value) : value;
        range.max = any ? std::max(range.max, value) : value;
        any = true;
    }
    if (!any)
        return {0.0, 1.0};
    const double span = range.max - range.min;
    if (span > 0.0)
        return {range.min - span * margin, range.max + span * margin};
    const double room = std::max(1.0, std::abs(range.max) * 0.05);
    return {range.min - room, range.max + room};
}

QFont arialBold(int pointSize)
{
    return QFont(QStringLiteral("Arial"), pointSize, QFont::Bold);
}

} // namespace

LineChartHost::LineChartHost(QWidget *parent, const QString &pictureName, PointText pointText)
    : ChartHost(parent, pictureName), m_pointText(std::move(pointText))
{
}

bool LineChartHost::create()
{
    if (exists())
        return true;
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setTitleFont(arialBold(14));
    m_chart->setBackgroundRoundness(0);
    m_series = new QLineSeries;
    QPen pen(QColor(0, 70, 160));
    pen.setWidthF(2.0);
    m_series->setPen(pen);
    // A section of one element is one point: without markers it would not show.
    m_series->setPointsVisible(true);
    m_series->setMarkerSize(5.0);
    m_chart->addSeries(m_series);
    m_marker = new QLineSeries;
    QPen markerPen(QColor(200, 0, 0));
    markerPen.setWidthF(1.5);
    markerPen.setStyle(Qt::DashLine);
    m_marker->setPen(markerPen);
    m_chart->addSeries(m_marker);
    m_axisX = new QValueAxis;
    m_axisY = new QValueAxis;
    m_axisX->setTitleFont(arialBold(12));
    m_axisX->setGridLineVisible(true);
    m_axisY->setGridLineVisible(true);
    m_axisY->setMinorTickCount(1);
    // "%g" writes 1000 and 2, not 1000.0 and 2.0.
    m_axisX->setLabelFormat(QStringLiteral("%g"));
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
    m_marker->attachAxis(m_axisX);
    m_marker->attachAxis(m_axisY);

    m_view = new ZoomPanChartView(m_chart);
    connect(m_view, &ZoomPanChartView::homeRequested, this, &LineChartHost::showHome);
    connect(m_view, &ZoomPanChartView::pointerMoved, this, &LineChartHost::pointTo);
    connect(m_view, &ZoomPanChartView::pointerLeft, this, [this] { emit pointerReadout(QString()); });
    adoptControl(m_view);
    m_changed = true;
    applyContent();
    if (m_held)
        m_view->setUpdatesEnabled(false);
    return true;
}

void LineChartHost::pointTo(QPointF value)
{
    const int nearest = ChartReadout::nearestPoint(m_points, value.x());
    emit pointerReadout(nearest < 0 ? QString() : m_pointText(nearest, m_points[nearest]));
}

void LineChartHost::destroy()
{
    destroyControl();
    m_chart = nullptr;
    m_series = nullptr;
    m_marker = nullptr;
    m_axisX = m_axisY = nullptr;
}

void LineChartHost::setBatch(bool held)
{
    m_held = held;
    if (!exists())
        return;
    if (!held)
        applyContent();
    m_view->setUpdatesEnabled(!held);
}

void LineChartHost::setXTitle(const QString &title)
{
    if (title == m_xTitle)
        return;
    m_xTitle = title;
    m_changed = true;
    if (!m_held)
        applyContent();
}

void LineChartHost::setXAxis(const std::optional<AxisSpan> &span)
{
    if (span == m_xSpan)
        return;
    m_xSpan = span;
    m_changed = true;
    if (!m_held)
        applyContent();
}

void LineChartHost::setContent(const QList<QPointF> &points, const QString &header, const QString &yTitle)
{
    // The cross section is written again at every paint: the same data keeps the user's zoom.
    if (points == m_points && header == m_header && yTitle == m_yTitle)
        return;
    m_points = points;
    m_header = header;
    m_yTitle = yTitle;
    m_changed = true;
    if (!m_held)
        applyContent();
}

void LineChartHost::setMarker(std::optional<double> x)
{
    if (x == m_markerX)
        return;
    m_markerX = x;
    showMarker();
}

void LineChartHost::showMarker()
{
    if (!exists())
        return;
    if (m_markerX && !m_points.isEmpty())
        m_marker->replace({QPointF(*m_markerX, m_homeYMin), QPointF(*m_markerX, m_homeYMax)});
    else
        m_marker->clear();
}

void LineChartHost::applyContent()
{
    if (!exists() || !m_changed)
        return;
    m_changed = false;
    m_chart->setTitle(richText(m_header));
    m_axisX->setTitleText(richText(m_xTitle));
    m_axisY->setTitleText(richText(m_yTitle));
    // Qt Charts strokes the whole line again (its hover shape) at every range
    // change: the ranges are set on an empty series and the points given once,
    // which on a long section saves most of the time.
    m_series->clear();

    if (m_xSpan) {
        m_axisX->setTickType(QValueAxis::TicksDynamic);
        m_axisX->setTickAnchor(0.0);
        m_axisX->setTickInterval(m_xSpan->tickInterval);
        m_axisX->setMinorTickCount(0);
        m_axisX->setRange(m_xSpan->min, m_xSpan->max);
    } else {
        m_axisX->setTickType(QValueAxis::TicksFixed);
        m_axisX->setMinorTickCount(1);
        const Range x = dataRange(m_points, &QPointF::x, 0.0);
        m_axisX->setRange(x.min, x.max);
        m_axisX->applyNiceNumbers();
    }
    const Range y = dataRange(m_points, &QPointF::y, 0.05);
    m_axisY->setRange(y.min, y.max);
    m_axisY->applyNiceNumbers();
    m_homeXMin = m_axisX->min();
    m_homeXMax = m_axisX->max();
    m_homeYMin = m_axisY->min();
    m_homeYMax = m_axisY->max();
    m_series->replace(m_points);
    showMarker();
}

void LineChartHost::showHome()
{
    if (!exists())
        return;
    m_axisX->setRange(m_homeXMin, m_homeXMax);
    m_axisY->setRange(m_homeYMin, m_homeYMax);
}

LineChartViewState LineChartHost::viewState() const
{
    LineChartViewState state{false, m_homeXMin, m_homeXMax, m_homeYMin, m_homeYMax};
    if (!exists())
        return state;
    state.xMin = m_axisX->min();
    state.xMax = m_axisX->max();
    state.yMin = m_axisY->min();
    state.yMax = m_axisY->max();
    state.zoomed = state.xMin != m_homeXMin || state.xMax != m_homeXMax || state.yMin != m_homeYMin
                   || state.yMax != m_homeYMax;
    return state;
}

void LineChartHost::applyViewState(const LineChartViewState &state)
{
    if (!exists())
        return;
    if (!state.zoomed) {
        showHome();
        return;
    }
    m_axisX->setRange(state.xMin, state.xMax);
    m_axisY->setRange(state.yMin, state.yMax);
}

void LineChartHost::saveViewState(const QString &filePath)
{
    if (exists())
        viewState().save(filePath);
}

void LineChartHost::loadViewState(const QString &filePath)
{
    if (const auto state = LineChartViewState::load(filePath))
        applyViewState(*state);
}

bool LineChartHost::paint(QPainter &painter, const QRectF &target)
{
    if (!exists())
        return false;
    // Content held by a batch is not on the chart yet; what is drawn is what the screen shows.
    const QSize size = chartSize();
    if (m_chart->size() != QSizeF(size))
        m_chart->resize(size);
    m_chart->scene()->render(&painter, target, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
    return true;
}
