#pragma once

#include <QChartView>
#include <QPoint>
#include <QPointF>

// A chart view the user zooms and pans: drag a rectangle to zoom into it, the
// right button zooms out, the wheel zooms about the centre, the middle button
// or the arrow keys pan, and a double click or Home returns to the whole chart.
class ZoomPanChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ZoomPanChartView(QChart *chart, QWidget *parent = nullptr);

signals:
    void homeRequested();
    // The chart value under the pointer, or leaving the chart.
    void pointerMoved(QPointF value);
    void pointerLeft();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_panning = false;
    QPoint m_lastPan;
};
