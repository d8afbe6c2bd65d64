#pragma once

#include <optional>

// A value axis laid out by the program: its range, and ticks at the multiples of
// tickInterval that fall inside it.
struct AxisSpan
{
    double min = 0.0;
    double max = 1.0;
    double tickInterval = 1.0;

    bool operator==(const AxisSpan &other) const
    {
        return min == other.min && max == other.max && tickInterval == other.tickInterval;
    }
};

// The axis of steps 1 to count: a little room beyond the first and the last step,
// so that their markers show whole, and ticks on whole steps, at most ten
// intervals of 1, 2 or 5 times a power of ten. Empty for no steps.
std::optional<AxisSpan> stepAxis(int count);

// The axis of a cross section: from the outer edge of its first element to that
// of its last, ticks at most ten intervals of 1, 2 or 5 times a power of ten.
// Empty for a stretch of no length (a cell size of 0) or one float cannot hold.
std::optional<AxisSpan> sectionAxis(double start, double end);
