#include "widgets/view/CellMenus.h"

#include "model/CellCommands.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

CellMenus::CellMenus(QWidget *widget, const PlotSettings &settings, CellAt cellAt)
    : QObject(widget), m_widget(widget), m_settings(settings), m_cellAt(std::move(cellAt))
{
    widget->installEventFilter(this);
}

bool CellMenus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget || event->type() != QEvent::ContextMenu)
        return false;
    const QPoint point = static_cast<QContextMenuEvent *>(event)->pos();
    const auto cell = m_cellAt(point);
    if (!cell)
        return false;
    showCellMenu(point, *cell);
    return true;
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

void CellMenus::showWindowMenu(int minX, int maxX, int minY, int maxY, QPoint point)
{
    emit menuOpening();
    QMenu menu(m_widget);
    menu.addAction("History of This Window", this, [=] {
        emit historyChosen(CellCommands::historyOfWindow(m_settings, minX, maxX, minY, maxY));
    });
    menu.addAction("Pin This Window", this, [=] { emit windowPinChosen(minX, maxX, minY, maxY); });
    menu.exec(m_widget->mapToGlobal(point));
}
