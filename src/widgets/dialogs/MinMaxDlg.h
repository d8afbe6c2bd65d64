#pragma once

#include "dialogs/MinMaxScale.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class Reporter;

// "Min-Max Scale": the user minimum and maximum of the colour scale
// (boxes minimumEdit and maximumEdit), read back as numbers at OK. The buttons
// thisStepButton and allStepsButton fill both boxes with the item's range.
class MinMaxDlg : public QDialog
{
    Q_OBJECT

public:
    MinMaxDlg(ScaleRange initial, Reporter &reporter, QWidget *parent = nullptr);

    // The ranges the fill buttons offer; a button without one stays disabled.
    void setFillRanges(const FillRanges &ranges);

    // What OK read; the range handed in until then.
    ScaleRange range() const { return m_scale.range(); }

    void accept() override;

private:
    void fill(const std::optional<ScaleRange> &range);

    Reporter &m_reporter;
    FillRanges m_fills;
    MinMaxScale m_scale;
    QLineEdit *m_minimumEdit = nullptr;
    QLineEdit *m_maximumEdit = nullptr;
    QPushButton *m_thisStep = nullptr;
    QPushButton *m_allSteps = nullptr;
};
