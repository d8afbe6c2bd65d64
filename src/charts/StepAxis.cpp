#include "charts/StepAxis.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest of 1, 2 or 5 times a power of ten, not below `smallest`, that
// cuts span into at most ten intervals.
double roundInterval(double span, double smallest)
{
    double decade = std::pow(10.0, std::floor(std::log10(std::max(span / 10.0, smallest))));
    for (;; decade *= 10.0) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double interval = factor * decade;
            if (interval >= smallest && span / interval <= 10.0)
                return interval;
        }
    }
}

} // namespace

std::optional<AxisSpan> stepAxis(int count)
{
    if (count < 1)
        return std::nullopt;
    const double span = count - 1;
    // Three percent of the plot's width, some pixels even on a small window and
    // more than a marker's half; but less than a step, so no step 0 or step
    // count + 1 shows.
    const double room = count > 1 ? std::min(0.03 * span, 0.9) : 0.5;
    return AxisSpan{1.0 - room, count + room, roundInterval(std::max(span, 1.0), 1.0)};
}

std::optional<AxisSpan> sectionAxis(double start, double end)
{
    const double low = std::min(start, end);
    const double high = std::max(start, end);
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low))
        return std::nullopt;
    return AxisSpan{low, high, roundInterval(high - low, 0.0)};
}
