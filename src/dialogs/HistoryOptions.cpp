#include "dialogs/HistoryOptions.h"

#include "data/Reporter.h"
#include "data/SeamHeader.h"
#include "dialogs/ScrollRules.h"

#include <algorithm>

HistoryOptions::HistoryOptions(const HistoryChoice &initial, const SeamHeader &header)
    : m_items(header, initial.itemIndex)
{
    const int columnPageStep = PageStepFor(header.columnCount);
    const int rowPageStep = PageStepFor(header.rowCount);
    m_minX.setRange(header.columnCount, columnPageStep);
    m_maxX.setRange(header.columnCount, columnPageStep);
    m_minY.setRange(header.rowCount, rowPageStep);
    m_maxY.setRange(header.rowCount, rowPageStep);
    m_minX.setValue(initial.minX);
    m_maxX.setValue(initial.maxX);
    m_minY.setValue(initial.minY);
    m_maxY.setValue(initial.maxY);
    setMode(initial.mode);
}

void HistoryOptions::setMode(HistoryMode mode)
{
    // A value beyond the buttons takes the nearest one, so one button is always checked.
    m_mode = std::clamp(mode, HistoryMode::Average, HistoryMode::Total);
}

void HistoryOptions::defaults()
{
    // The single element at column 1, row 1.
    m_items.select(0);
    m_mode = HistoryMode::Average;
    m_minX.setValue(1);
    m_maxX.setValue(1);
    m_minY.setValue(1);
    m_maxY.setValue(1);
}

std::optional<FocusRequest> HistoryOptions::ok(Reporter &reporter, NumberField *focused)
{
    if (auto refused = checkFocusedField(focused, reporter))
        return refused;
    // One corner pair per OK; both messages send the focus to the Minimum X box.
    if (m_minX.value() > m_maxX.value()) {
        m_minX.setValue(1);
        reporter.report("Your Minimum X Value is greater than your Maximum X Value");
        return FocusRequest{&m_minX, FocusTarget::Box};
    }
    if (m_minY.value() > m_maxY.value()) {
        m_minY.setValue(1);
        reporter.report("Your Minimum Y Value is greater than your Maximum Y Value");
        return FocusRequest{&m_minX, FocusTarget::Box};
    }
    return transferIntegers({&m_maxX, &m_maxY, &m_minX, &m_minY}, reporter);
}

HistoryChoice HistoryOptions::choice() const
{
    return HistoryChoice{m_items.selected(), m_mode, m_minX.value(), m_maxX.value(), m_minY.value(), m_maxY.value()};
}
