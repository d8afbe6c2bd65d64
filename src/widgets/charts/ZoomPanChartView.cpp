#include "widgets/charts/ZoomPanChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr qreal wheelZoomPerNotch = 1.25;
constexpr qreal keyPanPixels = 20.0;

} // namespace

ZoomPanChartView::ZoomPanChartView(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    setRubberBand(QChartView::RectangleRubberBand);
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void ZoomPanChartView::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        chart()->zoom(std::pow(wheelZoomPerNotch, notches));
    event->accept();
}

void ZoomPanChartView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        m_panning = true;
        m_lastPan = event->position().toPoint();
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void ZoomPanChartView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_panning) {
        const QPoint position = event->position().toPoint();
        const QPoint moved = position - m_lastPan;
        m_lastPan = position;
        // The picture follows the mouse: the visible ranges move the other way.
        chart()->scroll(-moved.x(), moved.y());
        event->accept();
        return;
    }
    emit pointerMoved(chart()->mapToValue(event->position()));
    QChartView::mouseMoveEvent(event);
}

void ZoomPanChartView::leaveEvent(QEvent *event)
{
    emit pointerLeft();
    QChartView::leaveEvent(event);
}

void ZoomPanChartView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_panning && event->button() == Qt::MiddleButton) {
        m_panning = false;
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void ZoomPanChartView::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit homeRequested();
    event->accept();
}

void ZoomPanChartView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        chart()->scroll(-keyPanPixels, 0);
        break;
    case Qt::Key_Right:
        chart()->scroll(keyPanPixels, 0);
        break;
    case Qt::Key_Up:
        chart()->scroll(0, keyPanPixels);
        break;
    case Qt::Key_Down:
        chart()->scroll(0, -keyPanPixels);
        break;
    case Qt::Key_Plus:
        chart()->zoomIn();
        break;
    case Qt::Key_Minus:
        chart()->zoomOut();
        break;
    case Qt::Key_Home:
        emit homeRequested();
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}
