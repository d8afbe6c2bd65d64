#pragma once

#include "dialogs/HistoryOptions.h"
#include "dialogs/XSecOptions.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QMenu;
class QWidget;
struct PlotSettings;

// From the map to the charts: the context menu of a cell of the Colored Square
// Plot offers its row's and its column's cross section and its history; the
// menu of a window of cells (dragged with Shift held) offers its history and
// pinning it as a probe. What is chosen comes as the plot command's choice.
class CellMenus : public QObject
{
    Q_OBJECT

public:
    // A cell: its 1-based column and row.
    using Cell = QPoint;
    // The cell drawn under a point of the widget, if any.
    using CellAt = std::function<std::optional<Cell>(QPoint point)>;

    CellMenus(QWidget *widget, const PlotSettings &settings, CellAt cellAt);

    // The menu of the window of cells, columns minX..maxX and rows minY..maxY, at the point of the widget.
    void showWindowMenu(int minX, int maxX, int minY, int maxY, QPoint point);

signals:
    // A menu opens over the widget: whatever tip stands there goes.
    void menuOpening();
    void crossSectionChosen(const XSecChoice &choice);
    void historyChosen(const HistoryChoice &choice);
    void windowPinChosen(int minX, int maxX, int minY, int maxY);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCellMenu(QPoint point, Cell cell);

    QWidget *m_widget;
    const PlotSettings &m_settings;
    CellAt m_cellAt;
};
