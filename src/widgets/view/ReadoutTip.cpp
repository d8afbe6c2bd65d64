#include "widgets/view/ReadoutTip.h"

#include <QApplication>
#include <QCursor>
#include <QToolTip>
#include <QWidget>

namespace {
constexpr int initialDelay = 200; // ms
constexpr int autoPop = 32767;    // ms
} // namespace

ReadoutTip::ReadoutTip(QWidget *area, CellAt cellAt, TextOf textOf)
    : QObject(area), m_area(area), m_cellAt(std::move(cellAt)), m_textOf(std::move(textOf))
{
    m_restDelay.setSingleShot(true);
    m_restDelay.setInterval(initialDelay);
    connect(&m_restDelay, &QTimer::timeout, this, &ReadoutTip::showTip);
}

void ReadoutTip::pointerMoved(QPoint point)
{
    follow(point, true);
}

void ReadoutTip::drawingChanged()
{
    // Only a pointer over the area itself, not over a window or chart above it.
    const QPoint global = QCursor::pos();
    if (QApplication::widgetAt(global) == m_area)
        follow(m_area->mapFromGlobal(global), false);
}

void ReadoutTip::follow(QPoint point, bool moved)
{
    const int cell = m_cellAt(point);
    const QString text = m_textOf(cell);
    const bool changed = text != m_text;
    if (cell == 0 || cell != m_lastHitCell)
        hideTip();
    if (cell != 0 && !m_tipArmed) {
        m_lastHitCell = cell;
        m_tipArmed = true;
        m_restDelay.start();
    } else if (cell != 0 && moved && m_restDelay.isActive()) {
        // Still moving inside the cell: the tip waits until the pointer rests.
        m_restDelay.start();
    } else if (cell != 0 && !moved && changed && !m_restDelay.isActive()) {
        // The same cell with another value: a standing tip takes it, one a key
        // press took away comes back with it.
        if (QToolTip::isVisible())
            showTip();
        else
            m_restDelay.start();
    }
    if (moved || changed) {
        m_text = text;
        emit readoutChanged(text);
    }
}

void ReadoutTip::showTip()
{
    const QPoint point = m_area->mapFromGlobal(QCursor::pos());
    if (!m_area->rect().contains(point))
        return;
    m_lastHitCell = m_cellAt(point);
    const QString text = m_textOf(m_lastHitCell);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), text, m_area, QRect(), autoPop);
}

void ReadoutTip::hideTip()
{
    m_restDelay.stop();
    m_tipArmed = false;
    QToolTip::hideText();
}

void ReadoutTip::clear()
{
    hideTip();
    m_text.clear();
    emit readoutChanged(QString());
}
