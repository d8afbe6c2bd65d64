#include "widgets/view/ProbePinning.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

#include <algorithm>
#include <utility>

ProbePinning::ProbePinning(QWidget *widget, CellAt cellAt)
    : QObject(widget), m_widget(widget), m_cellAt(std::move(cellAt))
{
    m_band = new QRubberBand(QRubberBand::Rectangle, widget);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool ProbePinning::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return mousePressed(mouse->position().toPoint(), mouse->button(), mouse->modifiers());
    }
    case QEvent::MouseMove:
        return mouseMoved(static_cast<QMouseEvent *>(event)->position().toPoint());
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return mouseReleased(mouse->position().toPoint(), mouse->button());
    }
    case QEvent::Leave:
        follow(std::nullopt);
        return false;
    default:
        return false;
    }
}

bool ProbePinning::mousePressed(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    m_pressedCell.reset();
    if (button != Qt::LeftButton)
        return false;
    if (modifiers == Qt::ShiftModifier) {
        m_windowDrag = true;
        m_dragFirst = m_cellAt(point);
        m_dragLast = m_dragFirst.value_or(QPoint());
        m_pressedAt = point;
        m_band->setGeometry(QRect(point, QSize()));
        m_band->show();
        return true;
    }
    if (modifiers == Qt::NoModifier) {
        m_pressedCell = m_cellAt(point);
        m_pressedAt = point;
    }
    return false;
}

bool ProbePinning::mouseMoved(QPoint point)
{
    const std::optional<QPoint> cell = m_cellAt(point);
    follow(cell);
    if (m_pressedCell && (point - m_pressedAt).manhattanLength() >= QApplication::startDragDistance())
        m_pressedCell.reset();
    if (!m_windowDrag)
        return false;
    m_band->setGeometry(QRect(m_pressedAt, point).normalized());
    if (cell) {
        if (!m_dragFirst)
            m_dragFirst = cell;
        m_dragLast = *cell;
    }
    return true;
}

bool ProbePinning::mouseReleased(QPoint point, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return false;
    if (m_windowDrag) {
        m_windowDrag = false;
        m_band->hide();
        if (!m_dragFirst)
            return true;
        const QPoint first = *std::exchange(m_dragFirst, std::nullopt);
        const QPoint last = m_cellAt(point).value_or(m_dragLast);
        emit windowPicked(std::min(first.x(), last.x()), std::max(first.x(), last.x()), std::min(first.y(), last.y()),
                          std::max(first.y(), last.y()), point);
        return true;
    }
    const std::optional<QPoint> pressed = std::exchange(m_pressedCell, std::nullopt);
    if (pressed && m_cellAt(point) == pressed)
        emit cellClicked(pressed->x(), pressed->y());
    return false;
}

void ProbePinning::drawingChanged()
{
    if (m_widget->underMouse())
        follow(m_cellAt(m_widget->mapFromGlobal(QCursor::pos())));
}

void ProbePinning::follow(std::optional<QPoint> cell)
{
    if (cell == m_followed)
        return;
    m_followed = cell;
    if (cell)
        emit pointerCell(cell->x(), cell->y());
    else
        emit pointerLeft();
}
