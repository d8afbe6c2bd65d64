#pragma once

#include "charts/ChartViewState.h"
#include "charts/ChartWindow.h"
#include "widgets/charts/ChartHost.h"

#include <QPointer>

#include <functional>

class QChart;
class QLineSeries;
class QValueAxis;
class ZoomPanChartView;

// A 2-D chart window over Qt Charts: one line series against two value axes, the
// header as the chart title (Arial 14 bold), the X title in Arial 12 bold, grid
// lines on both axes. The axes span the data, or the X axis is given ("home");
// the user's zoom and pan are the view state, kept across a refill with the same data.
class LineChartHost : public ChartHost, public LineChartWindow
{
    Q_OBJECT

public:
    // What the status bar says of the point nearest to the pointer, given its index.
    using PointText = std::function<QString(int index, const QPointF &point)>;
    LineChartHost(QWidget *parent, const QString &pictureName, PointText pointText);

    bool exists() const override { return control() != nullptr; }
    bool create() override;
    void destroy() override;
    void setBatch(bool held) override;
    void saveViewState(const QString &filePath) override;
    void loadViewState(const QString &filePath) override;

    void setXTitle(const QString &title) override;
    void setXAxis(const std::optional<AxisSpan> &span) override;
    void setContent(const QList<QPointF> &points, const QString &header, const QString &yTitle) override;
    void setMarker(std::optional<double> x) override;

    bool paint(QPainter &painter, const QRectF &target) override;

    // The shown chart, for reading back; nullptr without a control.
    QChart *chart() const { return exists() ? m_chart : nullptr; }
    LineChartViewState viewState() const;
    void applyViewState(const LineChartViewState &state);
    // The whole data again.
    void showHome();

private:
    void applyContent();
    // The marker spans the data's home range, whatever the user's zoom.
    void showMarker();
    void pointTo(QPointF value);

    PointText m_pointText;
    QPointer<ZoomPanChartView> m_view;
    QChart *m_chart = nullptr;
    QLineSeries *m_series = nullptr;
    QLineSeries *m_marker = nullptr;
    QValueAxis *m_axisX = nullptr;
    QValueAxis *m_axisY = nullptr;

    QList<QPointF> m_points;
    QString m_header;
    QString m_xTitle;
    QString m_yTitle;
    std::optional<AxisSpan> m_xSpan;
    std::optional<double> m_markerX;
    bool m_held = false;
    bool m_changed = false;
    // The axis ranges that show all the data, after rounding to nice numbers.
    double m_homeXMin = 0.0;
    double m_homeXMax = 1.0;
    double m_homeYMin = 0.0;
    double m_homeYMax = 1.0;
};
