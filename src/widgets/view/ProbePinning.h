#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QRubberBand;
class QWidget;

// The map's pointer gestures for the probes, watching the plot's viewport: a
// left click on a cell (no drag, no modifier) names that cell; a drag with
// Shift held shows a band and names the window of cells from the one it began
// on to the one it ended on; and the cell under the pointer is followed as it
// moves. Cells are 1-based (column, row). The context menu, the middle-button
// pan and the wheel pass on untouched.
class ProbePinning : public QObject
{
    Q_OBJECT

public:
    // The cell drawn under a point of the widget, if any: the view's hit test.
    using CellAt = std::function<std::optional<QPoint>(QPoint point)>;

    ProbePinning(QWidget *widget, CellAt cellAt);

    // The drawing under a resting pointer changed (a zoom, a scroll, another
    // step or plot): the cell under it is read again.
    void drawingChanged();

signals:
    void cellClicked(int column, int row);
    // The window of a Shift drag; released at the point of the widget. A drag
    // released off the grid ends at the last cell it was over, one begun off the
    // grid at the first; a drag over no cell names none.
    void windowPicked(int minX, int maxX, int minY, int maxY, QPoint releasedAt);
    // The pointer went onto another cell, or off the grid (or the widget).
    void pointerCell(int column, int row);
    void pointerLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mousePressed(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    bool mouseMoved(QPoint point);
    bool mouseReleased(QPoint point, Qt::MouseButton button);
    void follow(std::optional<QPoint> cell);

    QWidget *m_widget;
    CellAt m_cellAt;
    QRubberBand *m_band = nullptr;
    // A left press without modifiers on a cell: a click, unless it becomes a drag.
    std::optional<QPoint> m_pressedCell;
    QPoint m_pressedAt;
    // A Shift drag: its first and last cells once it was over one.
    bool m_windowDrag = false;
    std::optional<QPoint> m_dragFirst;
    QPoint m_dragLast;
    std::optional<QPoint> m_followed;
};
