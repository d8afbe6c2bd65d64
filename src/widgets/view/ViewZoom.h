#pragma once

#include "view/PageZoom.h"

#include <QObject>
#include <QSize>

class QAbstractScrollArea;

// The zoom of the page a scroll area shows: the View menu's fit, actual size,
// zoom in and out, and Ctrl with the wheel zooming about the pointer. The rules
// are PageZoom's; this binds them to the area's screen, size and scroll bars.
class ViewZoom : public QObject
{
    Q_OBJECT

public:
    explicit ViewZoom(QAbstractScrollArea &area);

    bool fitsWindow() const { return m_zoom.fitsWindow(); }
    // The zoom chosen last, whether fitted now or not.
    double chosenFactor() const { return m_zoom.chosenFactor(); }
    // The zoom the page is shown at now, 1 at its true size.
    double shownFactor() const;

    // The page in device pixels of this screen, at its true size and as shown.
    QSize pageSize() const;
    QSizeF shownPageSize() const;
    // Where the page's top-left corner stands in the viewport now.
    QPointF pageOrigin() const;

public slots:
    // The page fitted to the view, at its true size, or a zoom step larger or smaller.
    void fitToWindow();
    void actualSize();
    void zoomIn();
    void zoomOut();
    // A remembered zoom: fitted, or at the factor.
    void setZoom(bool fit, double factor);

signals:
    // The page takes another zoom: fitted, or left the fit.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint scroll() const;

    QAbstractScrollArea &m_area;
    PageZoom m_zoom;
};
