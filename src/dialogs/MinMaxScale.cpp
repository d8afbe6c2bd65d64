#include "dialogs/MinMaxScale.h"

#include "data/Reporter.h"
#include "dialogs/DataExchange.h"

MinMaxScale::MinMaxScale(ScaleRange initial)
    : m_range(initial),
      m_minText(DataExchange::writeNumber(initial.min)),
      m_maxText(DataExchange::writeNumber(initial.max))
{
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
