#include "widgets/view/CellMenus.h"

#include "model/CellCommands.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

CellMenus::CellMenus(QWidget *widget, const PlotSettings &settings, CellAt cellAt)
    : QObject(widget), m_widget(widget), m_settings(settings), m_cellAt(std::move(cellAt))
{
    m_band = new QRubberBand(QRubberBand::Rectangle, widget);
    widget->installEventFilter(this);
}

bool CellMenus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::ContextMenu: {
        const QPoint point = static_cast<QContextMenuEvent *>(event)->pos();
        if (const auto cell = m_cellAt(point)) {
            showCellMenu(point, *cell);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !(mouse->modifiers() & Qt::ShiftModifier))
            return false;
        m_dragStart = mouse->position().toPoint();
        m_dragCell = m_cellAt(m_dragStart);
        if (!m_dragCell)
            return false;
        m_dragLast = *m_dragCell;
        m_band->setGeometry(QRect(m_dragStart, QSize()));
        m_band->show();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragCell) {
            const QPoint point = static_cast<QMouseEvent *>(event)->position().toPoint();
            m_band->setGeometry(QRect(m_dragStart, point).normalized());
            if (const auto cell = m_cellAt(point))
                m_dragLast = *cell;
        }
        return false;
    case QEvent::MouseButtonRelease: {
        if (!m_dragCell || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        const Cell first = *m_dragCell;
        m_dragCell.reset();
        m_band->hide();
        const QPoint point = static_cast<QMouseEvent *>(event)->position().toPoint();
        // Released off the grid: the window ends at the last cell the drag was over.
        showWindowMenu(point, first, m_cellAt(point).value_or(m_dragLast));
        return true;
    }
    default:
        return false;
    }
}

void CellMenus::showCellMenu(QPoint point, Cell cell)
{
    emit menuOpening();
    QMenu menu(m_widget);
    menu.addAction("Cross Section Along This Row", this,
                   [this, cell] { emit crossSectionChosen(CellCommands::sectionAlongRow(m_settings, cell.y())); });
    menu.addAction("Cross Section Along This Column", this,
                   [this, cell] { emit crossSectionChosen(CellCommands::sectionAlongColumn(m_settings, cell.x())); });
    menu.addAction("History of This Cell", this, [this, cell] {
        emit historyChosen(CellCommands::historyOfWindow(m_settings, cell.x(), cell.x(), cell.y(), cell.y()));
    });
    menu.exec(m_widget->mapToGlobal(point));
}

void CellMenus::showWindowMenu(QPoint point, Cell first, Cell last)
{
    emit menuOpening();
    QMenu menu(m_widget);
    menu.addAction("History of This Window", this, [this, first, last] {
        emit historyChosen(CellCommands::historyOfWindow(m_settings, first.x(), last.x(), first.y(), last.y()));
    });
    menu.exec(m_widget->mapToGlobal(point));
}
