#pragma once

#include "dialogs/HistoryOptions.h"
#include "widgets/dialogs/OptionsDialog.h"

class QButtonGroup;
class StressItemGroup;
struct SeamHeader;

// "History Plot": item, window and mode of the History Plot. Object names:
// minXEdit, minXScrollBar, maxXEdit, maxXScrollBar, minYEdit, minYScrollBar,
// maxYEdit, maxYScrollBar, averageButton, totalButton, and those of the
// stress-item column and OptionsDialog.
class CHistoryPlotOptionsDlg : public OptionsDialog
{
    Q_OBJECT

public:
    CHistoryPlotOptionsDlg(const HistoryChoice &initial, const SeamHeader &header, Reporter &reporter,
                           QWidget *parent = nullptr);

    HistoryChoice choice() const { return m_options.choice(); }

protected:
    std::optional<FocusRequest> confirm(NumberField *focused) override;
    void restoreDefaults() override;
    void refresh() override;

private:
    HistoryOptions m_options;
    StressItemGroup *m_items = nullptr;
    QButtonGroup *m_mode = nullptr;
};
