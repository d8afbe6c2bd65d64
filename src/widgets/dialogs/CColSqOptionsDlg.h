#pragma once

#include "dialogs/ColSqOptions.h"
#include "widgets/dialogs/OptionsDialog.h"

#include <functional>
#include <optional>

class QButtonGroup;
class QRadioButton;
class StepRanges;
class StressItemGroup;
struct SeamHeader;

// "Colored Square Plot Options": item, step, palette and scale of the Colored
// Square Plot. Object names: stepEdit, stepScrollBar, coldToHotButton,
// hotToColdButton, roygbivButton, automaticButton, minToMaxButton, and those
// of the stress-item column and OptionsDialog.
class CColSqOptionsDlg : public OptionsDialog
{
    Q_OBJECT

public:
    // Runs the "Min-Max Scale" dialog over the current range: the values
    // entered on OK, nothing on Cancel.
    using MinMaxOpener = std::function<std::optional<ScaleRange>(ScaleRange current)>;

    CColSqOptionsDlg(const ColSqChoice &initial, int step, const SeamHeader &header, Reporter &reporter,
                     QWidget *parent = nullptr);

    ColSqChoice choice() const { return m_options.choice(); }
    // The step chosen beside the choice.
    int stepNumber() const { return m_options.step().value(); }
    // The file's ranges, for the min-max dialog's fill buttons; none until the file is read whole.
    void setStepRanges(const StepRanges *ranges) { m_ranges = ranges; }
    // Replaces the modal MinMaxDlg, e.g. where nothing may block.
    void setMinMaxOpener(MinMaxOpener opener) { m_openMinMax = std::move(opener); }

protected:
    std::optional<FocusRequest> confirm(NumberField *focused) override;
    void restoreDefaults() override;
    void refresh() override;

private:
    void minToMaxClicked();

    ColSqOptions m_options;
    MinMaxOpener m_openMinMax;
    const StepRanges *m_ranges = nullptr;
    StressItemGroup *m_items = nullptr;
    QButtonGroup *m_palette = nullptr;
    QButtonGroup *m_scale = nullptr;
};
