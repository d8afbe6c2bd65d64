#pragma once

#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QString>

// How the page of the Colored Square Plot stands in the view: fitted to the
// view with its proportions kept and centred (the default), or at a zoom of its
// true size (1 is 0.01 inch a unit) with scroll bars, centred while it is
// smaller than the view. Sizes are in device pixels; truePage is the page at
// zoom 1.
class PageZoom
{
public:
    static constexpr double smallest = 0.1;
    static constexpr double largest = 8.0;
    static constexpr double step = 1.25; // one zoom in or out

    bool fitsWindow() const { return m_fit; }
    void fitToWindow() { m_fit = true; }
    void actualSize() { setFactor(1.0); }
    // From the zoom shown now, so that leaving the fit goes on from what is seen.
    void zoomIn(const QSizeF &view, const QSizeF &truePage) { setFactor(factor(view, truePage) * step); }
    void zoomOut(const QSizeF &view, const QSizeF &truePage) { setFactor(factor(view, truePage) / step); }
    // A zoom of its own, kept inside smallest..largest.
    void zoomTo(double factor) { setFactor(factor); }
    // Zooms by the factor `by` about the point under the pointer (in view pixels):
    // the page point under it stays under it as far as the page's edges allow.
    // Returns the scroll position that keeps it there.
    QPoint zoomAbout(const QSizeF &view, const QSizeF &truePage, QPoint scroll, QPointF pointer, double by);
    // The zoom chosen last, whether fitted now or not.
    double chosenFactor() const { return m_factor; }

    double factor(const QSizeF &view, const QSizeF &truePage) const;
    QSizeF shownPage(const QSizeF &view, const QSizeF &truePage) const { return truePage * factor(view, truePage); }
    // Where the page's top-left corner stands in the view at this scroll position.
    QPointF origin(const QSizeF &view, const QSizeF &truePage, QPoint scroll) const;
    // The page point (in true-size pixels) under a point of the view.
    QPointF pagePointAt(const QSizeF &view, const QSizeF &truePage, QPoint scroll, QPointF viewPoint) const;

    // "Zoom 125%" for the status bar.
    static QString percentText(double factor);

private:
    void setFactor(double factor);

    bool m_fit = true;
    double m_factor = 1.0;
};
