#include "dialogs/ColSqOptions.h"

#include "data/SeamHeader.h"

#include <algorithm>

ColSqOptions::ColSqOptions(const ColSqChoice &initial, int step, const SeamHeader &header)
    : m_items(header, initial.itemIndex), m_scale{initial.scaleMin, initial.scaleMax}
{
    // A page click moves by one step, like an arrow click.
    m_step.setRange(header.stepCount, 1);
    m_step.setValue(step);
    setPalette(initial.palette);
    setScaleMode(initial.scaleMode);
}

// A value beyond the buttons takes the nearest one, so one button is always checked.
void ColSqOptions::setPalette(Palette palette)
{
    m_palette = std::clamp(palette, Palette::ColdToHot, Palette::Roygbiv);
}

void ColSqOptions::setScaleMode(ScaleMode scaleMode)
{
    m_scaleMode = std::clamp(scaleMode, ScaleMode::Automatic, ScaleMode::MinToMax);
}

void ColSqOptions::minToMaxClosed(std::optional<ScaleRange> entered)
{
    if (entered) {
        m_scaleMode = ScaleMode::MinToMax;
        m_scale = *entered;
    } else {
        m_scaleMode = ScaleMode::Automatic;
    }
}

void ColSqOptions::defaults()
{
    m_scale = ScaleRange{};
    m_items.select(0);
    m_step.setValue(1);
    m_palette = Palette::ColdToHot;
    m_scaleMode = ScaleMode::Automatic;
}

std::optional<FocusRequest> ColSqOptions::ok(Reporter &reporter, NumberField *focused)
{
    if (auto refused = checkFocusedField(focused, reporter))
        return refused;
    return transferIntegers({&m_step}, reporter);
}

ColSqChoice ColSqOptions::choice() const
{
    return ColSqChoice{m_items.selected(), m_palette, m_scaleMode, m_scale.min, m_scale.max};
}
