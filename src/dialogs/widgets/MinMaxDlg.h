#pragma once

#include "dialogs/MinMaxScale.h"

#include <QDialog>

class QLineEdit;
class Reporter;

// "Min-Max Scale": the user minimum and maximum of the colour scale
// (boxes minimumEdit and maximumEdit), read back as numbers at OK.
class MinMaxDlg : public QDialog
{
    Q_OBJECT

public:
    MinMaxDlg(ScaleRange initial, Reporter &reporter, QWidget *parent = nullptr);

    // What OK read; the range handed in until then.
    ScaleRange range() const { return m_scale.range(); }

    void accept() override;

private:
    Reporter &m_reporter;
    MinMaxScale m_scale;
    QLineEdit *m_minimumEdit = nullptr;
    QLineEdit *m_maximumEdit = nullptr;
};
