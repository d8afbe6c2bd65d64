#include "view/UnderlappedFills.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>

namespace {

struct Placed
{
    LogicalRect rect;
    std::size_t group = 0; // the index of its group, which is the order of painting
};

// A side of a rectangle on a line of the grid: x for the left and right sides,
// y for the bottom and top; from and to its extent along the line.
struct Side
{
    int line = 0;
    bool beyond = false; // the rectangle lies right of or above the line
    int from = 0;
    int to = 0;
    std::size_t rect = 0;
};

std::int64_t area(const LogicalRect &rect)
{
    return std::int64_t(rect.right - rect.left) * std::int64_t(rect.top - rect.bottom);
}

// Where the rectangles before and beyond one line share a stretch of it, the
// one painted first reaches under the other by half the other's depth.
void underlapAcross(const std::vector<Placed> &placed, bool verticalLines, std::vector<CellFills::Group> &groups)
{
    std::vector<Side> sides;
    sides.reserve(placed.size() * 2);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const LogicalRect &r = placed[i].rect;
        if (verticalLines) {
            sides.push_back({r.left, true, r.bottom, r.top, i});
            sides.push_back({r.right, false, r.bottom, r.top, i});
        } else {
            sides.push_back({r.bottom, true, r.left, r.right, i});
            sides.push_back({r.top, false, r.left, r.right, i});
        }
    }
    std::sort(sides.begin(), sides.end(), [](const Side &a, const Side &b) {
        return std::tie(a.line, a.beyond, a.from) < std::tie(b.line, b.beyond, b.from);
    });
    for (std::size_t start = 0; start < sides.size();) {
        std::size_t middle = start;
        while (middle < sides.size() && sides[middle].line == sides[start].line && !sides[middle].beyond)
            ++middle;
        std::size_t end = middle;
        while (end < sides.size() && sides[end].line == sides[start].line)
            ++end;
        // The sides on each side of the line do not overlap: walk both in step.
        for (std::size_t i = start, j = middle; i < middle && j < end;) {
            const Side &before = sides[i];
            const Side &after = sides[j];
            const int from = std::max(before.from, after.from);
            const int to = std::min(before.to, after.to);
            const Placed &p = placed[before.rect];
            const Placed &q = placed[after.rect];
            if (from < to && p.group != q.group) {
                const bool beforeFirst = p.group < q.group;
                const Placed &later = beforeFirst ? q : p;
                const int depthOfLater = verticalLines ? later.rect.right - later.rect.left
                                                       : later.rect.top - later.rect.bottom;
                const int reach = std::max(1, depthOfLater / 2) * (beforeFirst ? 1 : -1);
                const int line = before.line;
                const LogicalRect under = verticalLines
                                              ? LogicalRect{std::min(line, line + reach), to,
                                                            std::max(line, line + reach), from}
                                              : LogicalRect{from, std::max(line, line + reach), to,
                                                            std::min(line, line + reach)};
                groups[(beforeFirst ? p : q).group].rects.push_back(under);
            }
            if (before.to <= after.to)
                ++i;
            if (after.to <= before.to)
                ++j;
        }
        start = end;
    }
}

} // namespace

std::vector<CellFills::Group> underlappedFills(std::vector<CellFills::Group> groups)
{
    std::optional<LogicalRect> bounds;
    std::int64_t covered = 0;
    std::size_t most = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].rects.size() > groups[most].rects.size())
            most = g;
        for (const LogicalRect &r : groups[g].rects) {
            bounds = !bounds ? r
                             : LogicalRect{std::min(bounds->left, r.left), std::max(bounds->top, r.top),
                                           std::max(bounds->right, r.right), std::min(bounds->bottom, r.bottom)};
            covered += area(r);
        }
    }
    const bool filled = bounds && covered == area(*bounds);
    if (filled) {
        // The grid in the colour of most rectangles, first; none of its own rectangles is needed then.
        std::rotate(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(most),
                    groups.begin() + static_cast<std::ptrdiff_t>(most) + 1);
        groups.front().rects = {*bounds};
    }
    std::vector<Placed> placed;
    for (std::size_t g = filled ? 1 : 0; g < groups.size(); ++g)
        for (const LogicalRect &r : groups[g].rects)
            placed.push_back({r, g});
    underlapAcross(placed, true, groups);
    underlapAcross(placed, false, groups);
    return groups;
}
