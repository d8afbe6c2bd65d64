#pragma once

#include "dialogs/NumberField.h"
#include "model/PlotChoices.h"
#include "dialogs/StressItemColumn.h"

#include <optional>

class Reporter;
struct SeamHeader;

// The rules of the "Cross Section Options" dialog: the location's bound and
// page step follow the direction.
class XSecOptions
{
public:
    // The step and location handed in are pulled inside the file's bounds.
    XSecOptions(const XSecChoice &initial, int step, const SeamHeader &header);

    StressItemColumn &items() { return m_items; }
    const StressItemColumn &items() const { return m_items; }
    NumberField &step() { return m_step; }
    const NumberField &step() const { return m_step; }
    NumberField &location() { return m_location; }
    const NumberField &location() const { return m_location; }

    CrossSectionDirection direction() const { return m_direction; }
    // A click of "Parallel to X" or "Parallel to Y", also on the one already
    // checked: the location takes that direction's bound and page step.
    void chooseDirection(CrossSectionDirection direction);

    void defaults();
    // Empty when the dialog may close, else where the focus goes.
    std::optional<FocusRequest> ok(Reporter &reporter, NumberField *focused);
    XSecChoice choice() const;

private:
    void setLocationRange();

    int m_rowCount = 0;
    int m_columnCount = 0;
    StressItemColumn m_items;
    NumberField m_step{"The input for the Step Number must be an integer", "Step Number must be between 1 and %d"};
    // After a refused location the focus goes to its scroll bar.
    NumberField m_location{"The input for the Cross Section Location must be an integer",
                           "Cross Section Location must be between 1 and %d", FocusTarget::Bar};
    CrossSectionDirection m_direction = CrossSectionDirection::ParallelToX;
};
