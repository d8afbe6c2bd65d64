#include "data/StepRanges.h"

#include <algorithm>
#include <cmath>

void ValueRange::add(float value)
{
    if (std::isnan(value))
        return;
    if (!known) {
        min = max = value;
        known = true;
        return;
    }
    min = std::min(min, value);
    max = std::max(max, value);
}

void ValueRange::add(const ValueRange &other)
{
    if (other.known) {
        add(other.min);
        add(other.max);
    }
}

StepRanges::StepRanges(int stepCount, int itemCount)
    : m_stepCount(std::max(0, stepCount)),
      m_itemCount(std::max(0, itemCount))
{
}

bool StepRanges::inside(int step, int item) const
{
    return step >= 1 && step <= m_stepCount && item >= 0 && item < m_itemCount;
}

void StepRanges::addValues(int step, const float *values, std::size_t begin, std::size_t end)
{
    if (!inside(step, 0) || begin >= end)
        return;
    if (step > stepsAdded())
        m_ranges.resize(static_cast<std::size_t>(step) * m_itemCount);
    ValueRange *ranges = &m_ranges[static_cast<std::size_t>(step - 1) * m_itemCount];
    const auto items = static_cast<std::size_t>(m_itemCount);
    std::size_t item = begin % items;
    for (std::size_t i = begin; i < end; ++i) {
        ranges[item].add(values[i]);
        if (++item == items)
            item = 0;
    }
}

void StepRanges::repeatAfter(int lastWritten)
{
    if (inside(lastWritten, 0) && lastWritten < stepsAdded())
        m_ranges.resize(static_cast<std::size_t>(lastWritten) * m_itemCount);
}

int StepRanges::stepsAdded() const
{
    return m_itemCount == 0 ? 0 : static_cast<int>(m_ranges.size() / m_itemCount);
}

ValueRange StepRanges::atStep(int step, int item) const
{
    if (!inside(step, item) || empty())
        return {};
    const int held = std::min(step, stepsAdded());
    return m_ranges[static_cast<std::size_t>(held - 1) * m_itemCount + item];
}

ValueRange StepRanges::overAllSteps(int item) const
{
    // The steps that repeat the last one add nothing to it.
    ValueRange all;
    for (int step = 1; step <= stepsAdded() && inside(step, item); ++step)
        all.add(atStep(step, item));
    return all;
}
