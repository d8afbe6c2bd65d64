#include "charts/StepAxis.h"

#include <algorithm>

std::optional<AxisSpan> stepAxis(int count)
{
    if (count < 1)
        return std::nullopt;
    const double span = count - 1;
    // Three percent of the plot's width, some pixels even on a small window and
    // more than a marker's half; but less than a step, so no step 0 or step
    // count + 1 shows.
    const double room = count > 1 ? std::min(0.03 * span, 0.9) : 0.5;
    double interval = 1.0;
    for (double decade = 1.0; span / interval > 10.0; decade *= 10.0) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            interval = factor * decade;
            if (span / interval <= 10.0)
                break;
        }
    }
    return AxisSpan{1.0 - room, count + room, interval};
}
