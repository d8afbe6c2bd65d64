#pragma once

#include "dialogs/NumberField.h"
#include "model/PlotChoices.h"
#include "dialogs/StressItemColumn.h"

#include <optional>

class Reporter;
struct SeamHeader;

// The rules of the "History Plot" dialog: four independent bounds, compared
// only at OK.
class HistoryOptions
{
public:
    // A window chosen for a larger grid is pulled inside this one without a message.
    HistoryOptions(const HistoryChoice &initial, const SeamHeader &header);

    StressItemColumn &items() { return m_items; }
    const StressItemColumn &items() const { return m_items; }
    NumberField &minX() { return m_minX; }
    NumberField &maxX() { return m_maxX; }
    NumberField &minY() { return m_minY; }
    NumberField &maxY() { return m_maxY; }
    const NumberField &minX() const { return m_minX; }
    const NumberField &maxX() const { return m_maxX; }
    const NumberField &minY() const { return m_minY; }
    const NumberField &maxY() const { return m_maxY; }

    HistoryMode mode() const { return m_mode; }
    void setMode(HistoryMode mode);

    void defaults();
    // A first column beyond the last (or else a first row beyond the last) is
    // refused: that minimum becomes 1. Empty when the dialog may close.
    std::optional<FocusRequest> ok(Reporter &reporter, NumberField *focused);
    HistoryChoice choice() const;

private:
    StressItemColumn m_items;
    NumberField m_minX{"The input for the Minimum X value must be an integer",
                       " Minimum X Values must be between 1 and %d"};
    NumberField m_maxX{"The input for the Maximum X value must be an integer",
                       "Maximum X Values must be between 1 and %d"};
    NumberField m_minY{"The input for the Minimum Y value must be an integer",
                       "Minimum Y Values must be between 1 and %d"};
    NumberField m_maxY{"The input for the Maximum Y value must be an integer",
                       "Maximum Y Values must be between 1 and %d"};
    HistoryMode m_mode = HistoryMode::Average;
};
