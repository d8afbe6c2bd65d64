#include "dialogs/NumberField.h"

#include "data/NumberParsing.h"
#include "data/Reporter.h"
#include "dialogs/DataExchange.h"
#include "dialogs/ScrollRules.h"

#include <utility>

NumberField::NumberField(std::string integerMessage, std::string rangeMessage, FocusTarget focusTarget)
    : m_integerMessage(std::move(integerMessage)), m_rangeMessage(std::move(rangeMessage)), m_focusTarget(focusTarget)
{
}

void NumberField::setRange(int upperBound, int pageStep)
{
    m_upperBound = upperBound;
    m_pageStep = pageStep;
    setValue(m_value);
}

void NumberField::setValue(int value)
{
    m_value = ClampToRange(value, 1, m_upperBound);
    m_text = DataExchange::writeInteger(m_value);
}

void NumberField::edit(std::string text)
{
    m_text = std::move(text);
}

bool NumberField::focusLost(Reporter &reporter)
{
    const int typed = NumberParsing::leadingInt(m_text);
    if (typed == 0) {
        reporter.report(m_integerMessage);
        reset();
        return false;
    }
    if (typed < 1 || typed > m_upperBound) {
        std::string message = m_rangeMessage;
        const auto placeholder = message.find("%d");
        if (placeholder != std::string::npos)
            message.replace(placeholder, 2, DataExchange::writeInteger(m_upperBound));
        reporter.report(message);
        reset();
        return false;
    }
    // The box keeps the text as typed: leading zeros and trailing letters stay.
    m_value = typed;
    return true;
}

void NumberField::scroll(ScrollAction action, int trackedPosition)
{
    // In long long: a page step added near the top of int must not overflow.
    long long position = m_value;
    switch (action) {
    case ScrollAction::LineLeft:
        position -= 1;
        break;
    case ScrollAction::LineRight:
        position += 1;
        break;
    case ScrollAction::PageLeft:
        position -= m_pageStep;
        break;
    case ScrollAction::PageRight:
        position += m_pageStep;
        break;
    case ScrollAction::ThumbTrack:
        position = trackedPosition;
        break;
    case ScrollAction::Other:
        break;
    }
    // Back inside int; setValue then clamps into 1..upperBound.
    if (position > m_upperBound)
        position = m_upperBound;
    setValue(static_cast<int>(position));
}

void NumberField::reset()
{
    m_value = 1;
    m_text = "1";
}

std::optional<FocusRequest> checkFocusedField(NumberField *focused, Reporter &reporter)
{
    if (focused == nullptr || focused->focusLost(reporter))
        return std::nullopt;
    return FocusRequest{focused, focused->focusTarget()};
}

std::optional<FocusRequest> transferIntegers(std::initializer_list<const NumberField *> fields, Reporter &reporter)
{
    for (const NumberField *field : fields) {
        if (!DataExchange::readInteger(field->text())) {
            reporter.report("Please enter an integer.");
            return FocusRequest{field, FocusTarget::Box};
        }
    }
    return std::nullopt;
}
