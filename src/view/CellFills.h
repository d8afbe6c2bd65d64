#pragma once

#include "view/Canvas.h"

#include <QRgb>

#include <cstddef>
#include <vector>

// The cell fills of one drawing, gathered so that a vector file can hold them
// lean: an empty fill is dropped, a fill that continues the one below it in its
// colour lengthens that one, and a fill that repeats, in the next column, one
// of the column to its left (same bottom, top and colour) widens that one. The
// merged rectangles cover exactly the pixels the fills covered. The fills of
// the Colored Square Plot never overlap, so handing them out grouped by colour
// leaves the picture as it was.
class CellFills
{
public:
    struct Group
    {
        QRgb colour = 0;
        std::vector<LogicalRect> rects;
    };

    void add(const LogicalRect &rect, QRgb colour);
    bool empty() const { return m_rects.empty() && m_current.empty(); }
    // The merged rectangles, one group per colour in the order the colours first
    // came; the gathering then starts afresh.
    std::vector<Group> take();

private:
    struct Rect
    {
        LogicalRect rect;
        QRgb colour = 0;
    };
    // A run of the column being gathered, and the rectangle it has become.
    struct Span
    {
        int bottom = 0;
        int top = 0;
        QRgb colour = 0;
        std::size_t rect = 0;
    };

    void closeColumn();

    std::vector<Rect> m_rects;
    std::vector<Span> m_previous;
    std::vector<Span> m_current;
    int m_left = 0;
    int m_right = 0;
    int m_previousRight = 0;
};
