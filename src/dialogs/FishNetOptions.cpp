#include "dialogs/FishNetOptions.h"

#include "data/SeamHeader.h"

FishNetOptions::FishNetOptions(const FishNetChoice &initial, int step, const SeamHeader &header)
    : m_items(header, initial.itemIndex)
{
    m_step.setRange(header.stepCount, header.stepCount);
    m_step.setValue(step);
}

void FishNetOptions::defaults()
{
    m_items.select(0);
    m_step.setValue(1);
}

std::optional<FocusRequest> FishNetOptions::ok(Reporter &reporter, NumberField *focused)
{
    if (auto refused = checkFocusedField(focused, reporter))
        return refused;
    return transferIntegers({&m_step}, reporter);
}

FishNetChoice FishNetOptions::choice() const
{
    return FishNetChoice{m_items.selected()};
}
