#pragma once

#include "dialogs/MinMaxScale.h"
#include "dialogs/NumberField.h"
#include "model/PlotChoices.h"
#include "dialogs/StressItemColumn.h"

#include <optional>

class Reporter;
struct SeamHeader;

// The rules of the "Colored Square Plot Options" dialog.
class ColSqOptions
{
public:
    // The step and the choices handed in are pulled inside what the file offers.
    ColSqOptions(const ColSqChoice &initial, int step, const SeamHeader &header);

    StressItemColumn &items() { return m_items; }
    const StressItemColumn &items() const { return m_items; }
    NumberField &step() { return m_step; }
    const NumberField &step() const { return m_step; }

    Palette palette() const { return m_palette; }
    void setPalette(Palette palette);
    ScaleMode scaleMode() const { return m_scaleMode; }
    // "Automatic" clicked; "Min. to Max." goes through minToMaxClosed.
    void setScaleMode(ScaleMode scaleMode);
    ScaleRange scale() const { return m_scale; }

    // "Min. to Max." opens the min-max dialog with scale(); this takes what it
    // returned: the values entered on OK, nothing on Cancel (back to Automatic).
    void minToMaxClosed(std::optional<ScaleRange> entered);
    void defaults();
    // Empty when the dialog may close, else where the focus goes.
    std::optional<FocusRequest> ok(Reporter &reporter, NumberField *focused);
    ColSqChoice choice() const;

private:
    StressItemColumn m_items;
    NumberField m_step{"The input for the Step Number must be an integer", "Step Number must be between 1 and %d"};
    Palette m_palette = Palette::ColdToHot;
    ScaleMode m_scaleMode = ScaleMode::Automatic;
    ScaleRange m_scale;
};
