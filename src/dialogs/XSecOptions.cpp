#include "dialogs/XSecOptions.h"

#include "data/SeamHeader.h"
#include "dialogs/ScrollRules.h"

XSecOptions::XSecOptions(const XSecChoice &initial, int step, const SeamHeader &header)
    : m_rowCount(header.rowCount), m_columnCount(header.columnCount), m_items(header, initial.itemIndex)
{
    m_step.setRange(header.stepCount, 1);
    m_step.setValue(step);
    chooseDirection(initial.direction);
    m_location.setValue(initial.location);
}

void XSecOptions::chooseDirection(CrossSectionDirection direction)
{
    // Whatever is not Parallel to X runs along a column, as the bound does.
    m_direction = direction == CrossSectionDirection::ParallelToX ? CrossSectionDirection::ParallelToX
                                                                  : CrossSectionDirection::ParallelToY;
    setLocationRange();
}

void XSecOptions::setLocationRange()
{
    // The location stays where it was unless it lies beyond the new bound.
    if (m_direction == CrossSectionDirection::ParallelToX)
        m_location.setRange(m_rowCount, PageStepFor(m_rowCount));
    else
        m_location.setRange(m_columnCount, PageStepFor(m_columnCount));
}

void XSecOptions::defaults()
{
    m_items.select(0);
    m_step.setValue(1);
    m_location.setValue(1);
    chooseDirection(CrossSectionDirection::ParallelToX);
}

std::optional<FocusRequest> XSecOptions::ok(Reporter &reporter, NumberField *focused)
{
    if (auto refused = checkFocusedField(focused, reporter))
        return refused;
    return transferIntegers({&m_step, &m_location}, reporter);
}

XSecChoice XSecOptions::choice() const
{
    return XSecChoice{m_items.selected(), m_direction, m_location.value()};
}
