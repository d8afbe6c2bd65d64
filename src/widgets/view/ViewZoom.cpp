#include "widgets/view/ViewZoom.h"

#include "data/CPlotDoc.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

ViewZoom::ViewZoom(QAbstractScrollArea &area) : m_area(area)
{
    area.viewport()->installEventFilter(this);
}

QSize ViewZoom::pageSize() const
{
    const double unit = m_area.viewport()->logicalDpiX() / 100.0;
    return QSize(qRound(CPlotDoc::pageWidth * unit), qRound(CPlotDoc::pageHeight * unit));
}

QSizeF ViewZoom::shownPageSize() const
{
    return m_zoom.shownPage(m_area.viewport()->size(), pageSize());
}

double ViewZoom::shownFactor() const
{
    return m_zoom.factor(m_area.viewport()->size(), pageSize());
}

QPoint ViewZoom::scroll() const
{
    return QPoint(m_area.horizontalScrollBar()->value(), m_area.verticalScrollBar()->value());
}

QPointF ViewZoom::pageOrigin() const
{
    return m_zoom.origin(m_area.viewport()->size(), pageSize(), scroll());
}

void ViewZoom::fitToWindow()
{
    m_zoom.fitToWindow();
    emit changed();
}

void ViewZoom::actualSize()
{
    m_zoom.actualSize();
    emit changed();
}

void ViewZoom::zoomIn()
{
    m_zoom.zoomIn(m_area.viewport()->size(), pageSize());
    emit changed();
}

void ViewZoom::zoomOut()
{
    m_zoom.zoomOut(m_area.viewport()->size(), pageSize());
    emit changed();
}

void ViewZoom::setZoom(bool fit, double factor)
{
    m_zoom.zoomTo(factor);
    if (fit)
        m_zoom.fitToWindow();
    emit changed();
}

bool ViewZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area.viewport() || event->type() != QEvent::Wheel)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    // Without Ctrl the wheel scrolls as in any scroll area.
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    const int turn = wheel->angleDelta().y();
    if (turn != 0) {
        const QPoint scrolled = m_zoom.zoomAbout(m_area.viewport()->size(), pageSize(), scroll(), wheel->position(),
                                                 turn > 0 ? PageZoom::step : 1 / PageZoom::step);
        // The scroll bars take their new ranges first, then the position kept under the pointer.
        emit changed();
        m_area.horizontalScrollBar()->setValue(scrolled.x());
        m_area.verticalScrollBar()->setValue(scrolled.y());
    }
    wheel->accept();
    return true;
}
