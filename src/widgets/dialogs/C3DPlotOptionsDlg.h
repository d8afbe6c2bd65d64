#pragma once

#include "dialogs/FishNetOptions.h"
#include "widgets/dialogs/OptionsDialog.h"

class StressItemGroup;
struct SeamHeader;

// "FishNet Plot Options": item and step of the 3-D FishNet Plot. Object
// names: stepEdit, stepScrollBar, and those of the stress-item column and OptionsDialog.
class C3DPlotOptionsDlg : public OptionsDialog
{
    Q_OBJECT

public:
    C3DPlotOptionsDlg(const FishNetChoice &initial, int step, const SeamHeader &header, Reporter &reporter,
                      QWidget *parent = nullptr);

    FishNetChoice choice() const { return m_options.choice(); }
    // The step chosen beside the choice.
    int stepNumber() const { return m_options.step().value(); }

protected:
    std::optional<FocusRequest> confirm(NumberField *focused) override;
    void restoreDefaults() override;
    void refresh() override;

private:
    FishNetOptions m_options;
    StressItemGroup *m_items = nullptr;
};
