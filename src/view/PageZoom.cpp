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

void PageZoom::setFactor(double factor)
{
    m_fit = false;
    m_factor = std::clamp(factor, smallest, largest);
}
