#include "view/PageZoom.h"

#include <algorithm>

double PageZoom::factor(const QSizeF &view, const QSizeF &truePage) const
{
    if (!m_fit)
        return m_factor;
    if (truePage.isEmpty() || view.isEmpty())
        return 1.0;
    return std::clamp(std::min(view.width() / truePage.width(), view.height() / truePage.height()), smallest, largest);
}

QPointF PageZoom::origin(const QSizeF &view, const QSizeF &truePage, QPoint scroll) const
{
    const QSizeF shown = shownPage(view, truePage);
    const auto along = [](double viewLength, double pageLength, int scrolled) {
        return pageLength <= viewLength ? (viewLength - pageLength) / 2 : -static_cast<double>(scrolled);
    };
    return QPointF(along(view.width(), shown.width(), scroll.x()), along(view.height(), shown.height(), scroll.y()));
}

QPointF PageZoom::pagePointAt(const QSizeF &view, const QSizeF &truePage, QPoint scroll, QPointF viewPoint) const
{
    return (viewPoint - origin(view, truePage, scroll)) / factor(view, truePage);
}

QPoint PageZoom::zoomAbout(const QSizeF &view, const QSizeF &truePage, QPoint scroll, QPointF pointer, double by)
{
    const QPointF kept = pagePointAt(view, truePage, scroll, pointer);
    setFactor(factor(view, truePage) * by);
    const double zoom = factor(view, truePage);
    const QSizeF shown = shownPage(view, truePage);
    // A page smaller than the view is centred, with nothing to scroll; a larger
    // one scrolls as far as its edges let the kept point stay under the pointer.
    const auto along = [](double wanted, double pageLength, double viewLength) {
        const int range = std::max(0, qRound(pageLength) - qRound(viewLength));
        return pageLength <= viewLength ? 0 : std::clamp(qRound(wanted), 0, range);
    };
    return QPoint(along(kept.x() * zoom - pointer.x(), shown.width(), view.width()),
                  along(kept.y() * zoom - pointer.y(), shown.height(), view.height()));
}

QString PageZoom::percentText(double factor)
{
    return QStringLiteral("Zoom %1%").arg(qRound(factor * 100));
}

void PageZoom::setFactor(double factor)
{
    m_fit = false;
    m_factor = std::clamp(factor, smallest, largest);
}
