#include "dialogs/ColSqOptions.h"

#include "data/SeamHeader.h"
#include "dialogs/ScrollRules.h"

namespace {
constexpr int paletteCount = 3;
}

ColSqOptions::ColSqOptions(const ColSqChoice &initial, const SeamHeader &header)
    : m_items(header, initial.itemIndex), m_scale{initial.scaleMin, initial.scaleMax}
{
    // A page click moves by one step, like an arrow click.
    m_step.setRange(header.stepCount, 1);
    m_step.setValue(initial.stepNumber);
    setPalette(initial.palette);
    setScaleMode(initial.scaleMode);
}

void ColSqOptions::setPalette(int palette)
{
    m_palette = ClampToRange(palette, 0, paletteCount - 1);
}

void ColSqOptions::setScaleMode(int scaleMode)
{
    m_scaleMode = ClampToRange(scaleMode, automatic, minToMax);
}

void ColSqOptions::minToMaxClosed(std::optional<ScaleRange> entered)
{
    if (entered) {
        m_scaleMode = minToMax;
        m_scale = *entered;
    } else {
        m_scaleMode = automatic;
    }
}

void ColSqOptions::defaults()
{
    m_scale = ScaleRange{};
    m_items.select(0);
    m_step.setValue(1);
    m_palette = 0;
    m_scaleMode = automatic;
}

std::optional<FocusRequest> ColSqOptions::ok(Reporter &reporter, NumberField *focused)
{
    if (auto refused = checkFocusedField(focused, reporter))
        return refused;
    return transferIntegers({&m_step}, reporter);
}

ColSqChoice ColSqOptions::choice() const
{
    return ColSqChoice{m_items.selected(), m_step.value(), m_palette, m_scaleMode, m_scale.min, m_scale.max};
}
