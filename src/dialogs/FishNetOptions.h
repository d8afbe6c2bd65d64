#pragma once

#include "dialogs/NumberField.h"
#include "model/PlotChoices.h"
#include "dialogs/StressItemColumn.h"

#include <optional>

class Reporter;
struct SeamHeader;

// The rules of the "FishNet Plot Options" dialog: its page step is the number
// of steps, so a trough click jumps to the first or the last step.
class FishNetOptions
{
public:
    // A step chosen for a file with more steps is pulled inside this file's steps.
    FishNetOptions(const FishNetChoice &initial, int step, const SeamHeader &header);

    StressItemColumn &items() { return m_items; }
    const StressItemColumn &items() const { return m_items; }
    NumberField &step() { return m_step; }
    const NumberField &step() const { return m_step; }

    // Item 0 and step 1, as the other options dialogs restore.
    void defaults();
    // Empty when the dialog may close, else where the focus goes.
    std::optional<FocusRequest> ok(Reporter &reporter, NumberField *focused);
    FishNetChoice choice() const;

private:
    StressItemColumn m_items;
    NumberField m_step{"The input for the Step Number must be an integer", "Step Number must be between 1 and %d"};
};
