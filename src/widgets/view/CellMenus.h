#pragma once

#include "dialogs/HistoryOptions.h"
#include "dialogs/XSecOptions.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QMenu;
class QRubberBand;
class QWidget;
struct PlotSettings;

// From the map to the charts: the context menu of a cell of the Colored Square
// Plot offers its row's and its column's cross section and its history; a
// rectangle dragged with Shift held offers the history of that window of cells.
// What is chosen comes as the plot command's choice.
class CellMenus : public QObject
{
    Q_OBJECT

public:
    // A cell: its 1-based column and row.
    using Cell = QPoint;
    // The cell drawn under a point of the widget, if any.
    using CellAt = std::function<std::optional<Cell>(QPoint point)>;

    CellMenus(QWidget *widget, const PlotSettings &settings, CellAt cellAt);

signals:
    // A menu opens over the widget: whatever tip stands there goes.
    void menuOpening();
    void crossSectionChosen(const XSecChoice &choice);
    void historyChosen(const HistoryChoice &choice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCellMenu(QPoint point, Cell cell);
    void showWindowMenu(QPoint point, Cell first, Cell last);

    QWidget *m_widget;
    const PlotSettings &m_settings;
    CellAt m_cellAt;
    QRubberBand *m_band = nullptr;
    QPoint m_dragStart;
    std::optional<Cell> m_dragCell;
    Cell m_dragLast;
};
