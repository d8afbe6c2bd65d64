#include "widgets/view/MiddleButtonPan.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QScrollBar>

MiddleButtonPan::MiddleButtonPan(QAbstractScrollArea &area) : QObject(&area), m_area(area)
{
    area.viewport()->installEventFilter(this);
}

bool MiddleButtonPan::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint at = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::MiddleButton) {
        m_dragging = true;
        m_pressedAt = at;
        m_scrollAtPress = QPoint(m_area.horizontalScrollBar()->value(), m_area.verticalScrollBar()->value());
        m_area.viewport()->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    if (!m_dragging)
        return QObject::eventFilter(watched, event);
    if (type == QEvent::MouseMove) {
        const QPoint moved = at - m_pressedAt;
        m_area.horizontalScrollBar()->setValue(m_scrollAtPress.x() - moved.x());
        m_area.verticalScrollBar()->setValue(m_scrollAtPress.y() - moved.y());
        return true;
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::MiddleButton) {
        m_dragging = false;
        m_area.viewport()->unsetCursor();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
