#pragma once

#include <QObject>
#include <QPoint>

class QAbstractScrollArea;

// A drag with the middle mouse button moves the page of a scroll area with the
// pointer, as a hand would. Watches the area's viewport; other buttons pass on.
class MiddleButtonPan : public QObject
{
    Q_OBJECT

public:
    explicit MiddleButtonPan(QAbstractScrollArea &area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractScrollArea &m_area;
    bool m_dragging = false;
    QPoint m_pressedAt;
    QPoint m_scrollAtPress;
};
