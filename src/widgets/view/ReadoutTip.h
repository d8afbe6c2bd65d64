#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

// The cursor readout over the plot's area: the text of the cell under the
// pointer, and its tip. A move to another cell hides the tip, which shows
// again once the pointer rests 200 ms in a cell; moving within one cell leaves
// it standing. Whatever changes the drawing (a step, a Play frame, a zoom, a
// scroll, another plot or file) ends in drawingChanged, which reads the cell
// under a resting pointer again, so neither the text nor the tip stays behind.
class ReadoutTip : public QObject
{
    Q_OBJECT

public:
    // The cell number under a point of the area, 0 for none.
    using CellAt = std::function<int(QPoint point)>;
    // The readout of a cell number, empty for 0.
    using TextOf = std::function<QString(int cell)>;

    ReadoutTip(QWidget *area, CellAt cellAt, TextOf textOf);

    void pointerMoved(QPoint point);
    // The pointer left, or what is shown has no cells: no tip and no text.
    void clear();
    // A menu covers the area: the tip goes, the text stays.
    void hideTip();
    // The drawing was made anew: the readout of the resting pointer follows it.
    void drawingChanged();

signals:
    void readoutChanged(const QString &text);

private:
    void follow(QPoint point, bool moved);
    void showTip();

    QWidget *m_area;
    CellAt m_cellAt;
    TextOf m_textOf;
    int m_lastHitCell = 0;
    bool m_tipArmed = false;
    QTimer m_restDelay;
    QString m_text;
};
