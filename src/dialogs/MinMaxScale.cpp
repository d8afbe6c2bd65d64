#include "dialogs/MinMaxScale.h"

#include "data/Reporter.h"
#include "data/StepRanges.h"
#include "dialogs/DataExchange.h"

#include <charconv>

namespace {

std::optional<ScaleRange> scaleOf(const ValueRange &range)
{
    if (!range.known)
        return std::nullopt;
    return ScaleRange{range.min, range.max};
}

std::string roundTripText(float value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

FillRanges fillRangesFor(const StepRanges *ranges, int item, int step)
{
    if (!ranges)
        return {};
    return {scaleOf(ranges->atStep(step, item)), scaleOf(ranges->overAllSteps(item))};
}

MinMaxScale::MinMaxScale(ScaleRange initial)
    : m_range(initial),
      m_minText(DataExchange::writeNumber(initial.min)),
      m_maxText(DataExchange::writeNumber(initial.max))
{
}

void MinMaxScale::fill(const ScaleRange &range)
{
    m_minText = roundTripText(range.min);
    m_maxText = roundTripText(range.max);
}

std::optional<MinMaxScale::Box> MinMaxScale::ok(Reporter &reporter)
{
    const auto max = DataExchange::readNumber(m_maxText);
    if (!max) {
        reporter.report("Please enter a number.");
        return Box::Maximum;
    }
    const auto min = DataExchange::readNumber(m_minText);
    if (!min) {
        reporter.report("Please enter a number.");
        return Box::Minimum;
    }
    m_range = ScaleRange{*min, *max};
    return std::nullopt;
}
