#include "view/CellFills.h"

#include <algorithm>

void CellFills::add(const LogicalRect &rect, QRgb colour)
{
    const int left = std::min(rect.left, rect.right);
    const int right = std::max(rect.left, rect.right);
    const int bottom = std::min(rect.bottom, rect.top);
    const int top = std::max(rect.bottom, rect.top);
    // Cells narrower or lower than a logical unit cover nothing.
    if (left == right || bottom == top)
        return;
    if (!m_current.empty() && (left != m_left || right != m_right))
        closeColumn();
    if (m_current.empty()) {
        m_left = left;
        m_right = right;
    }
    if (!m_current.empty() && m_current.back().top == bottom && m_current.back().colour == colour) {
        m_current.back().top = top;
        return;
    }
    m_current.push_back({bottom, top, colour, 0});
}

void CellFills::closeColumn()
{
    if (m_previousRight != m_left)
        m_previous.clear();
    // Both columns come bottom to top, so one walk pairs the spans that start alike.
    std::size_t j = 0;
    for (Span &span : m_current) {
        while (j < m_previous.size() && m_previous[j].bottom < span.bottom)
            ++j;
        if (j < m_previous.size() && m_previous[j].bottom == span.bottom && m_previous[j].top == span.top
            && m_previous[j].colour == span.colour) {
            span.rect = m_previous[j].rect;
            m_rects[span.rect].rect.right = m_right;
        } else {
            span.rect = m_rects.size();
            m_rects.push_back({{m_left, span.top, m_right, span.bottom}, span.colour});
        }
    }
    m_previous.swap(m_current);
    m_current.clear();
    m_previousRight = m_right;
}

std::vector<CellFills::Group> CellFills::take()
{
    closeColumn();
    std::vector<Group> groups;
    for (const Rect &rect : m_rects) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&rect](const Group &g) { return g.colour == rect.colour; });
        if (group == groups.end())
            group = groups.insert(groups.end(), Group{rect.colour, {}});
        group->rects.push_back(rect.rect);
    }
    m_rects.clear();
    m_previous.clear();
    return groups;
}
