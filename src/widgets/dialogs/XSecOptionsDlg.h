#pragma once

#include "dialogs/XSecOptions.h"
#include "widgets/dialogs/OptionsDialog.h"

class QButtonGroup;
class StressItemGroup;
struct SeamHeader;

// "Cross Section Options": item, step, direction and location of the Cross
// Section Plot. Object names: stepEdit, stepScrollBar, parallelToXButton,
// parallelToYButton, locationEdit, locationScrollBar, and those of the
// stress-item column and OptionsDialog.
class XSecOptionsDlg : public OptionsDialog
{
    Q_OBJECT

public:
    XSecOptionsDlg(const XSecChoice &initial, int step, const SeamHeader &header, Reporter &reporter, QWidget *parent = nullptr);

    XSecChoice choice() const { return m_options.choice(); }
    // The step chosen beside the choice.
    int stepNumber() const { return m_options.step().value(); }

protected:
    std::optional<FocusRequest> confirm(NumberField *focused) override;
    void restoreDefaults() override;
    void refresh() override;

private:
    XSecOptions m_options;
    StressItemGroup *m_items = nullptr;
    QButtonGroup *m_direction = nullptr;
};
