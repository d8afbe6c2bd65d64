#include "widgets/dialogs/MinMaxDlg.h"

#include "widgets/dialogs/TitleRoom.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

MinMaxDlg::MinMaxDlg(ScaleRange initial, Reporter &reporter, QWidget *parent)
    : QDialog(parent), m_reporter(reporter), m_scale(initial)
{
    setWindowTitle(tr("Min-Max Scale"));
    m_minimumEdit = new QLineEdit(QString::fromStdString(m_scale.minText()), this);
    m_minimumEdit->setObjectName(QStringLiteral("minimumEdit"));
    m_maximumEdit = new QLineEdit(QString::fromStdString(m_scale.maxText()), this);
    m_maximumEdit->setObjectName(QStringLiteral("maximumEdit"));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    m_thisStep = new QPushButton(tr("This Step"), this);
    m_thisStep->setObjectName(QStringLiteral("thisStepButton"));
    m_thisStep->setAutoDefault(false);
    m_allSteps = new QPushButton(tr("All Steps"), this);
    m_allSteps->setObjectName(QStringLiteral("allStepsButton"));
    m_allSteps->setAutoDefault(false);
    setFillRanges({});
    connect(m_thisStep, &QPushButton::clicked, this, [this] { fill(m_fills.thisStep); });
    connect(m_allSteps, &QPushButton::clicked, this, [this] { fill(m_fills.allSteps); });
    connect(ok, &QPushButton::clicked, this, &MinMaxDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &MinMaxDlg::reject);

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Minimum Scale Value"), this), 0, 0);
    fields->addWidget(m_minimumEdit, 0, 1);
    fields->addWidget(new QLabel(tr("Maximum Scale Value"), this), 1, 0);
    fields->addWidget(m_maximumEdit, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_thisStep);
    buttons->addWidget(m_allSteps);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    // The boxes alone would leave the title cut short.
    layout->addStrut(titleRoom(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_minimumEdit, m_maximumEdit);
    setTabOrder(m_maximumEdit, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_thisStep);
    setTabOrder(m_thisStep, m_allSteps);
}

void MinMaxDlg::setFillRanges(const FillRanges &ranges)
{
    m_fills = ranges;
    m_thisStep->setEnabled(ranges.thisStep.has_value());
    m_allSteps->setEnabled(ranges.allSteps.has_value());
}

void MinMaxDlg::fill(const std::optional<ScaleRange> &range)
{
    if (!range)
        return;
    m_scale.fill(*range);
    m_minimumEdit->setText(QString::fromStdString(m_scale.minText()));
    m_maximumEdit->setText(QString::fromStdString(m_scale.maxText()));
}

void MinMaxDlg::accept()
{
    m_scale.editMin(m_minimumEdit->text().toStdString());
    m_scale.editMax(m_maximumEdit->text().toStdString());
    const auto refused = m_scale.ok(m_reporter);
    if (!refused) {
        QDialog::accept();
        return;
    }
    QLineEdit *box = *refused == MinMaxScale::Box::Minimum ? m_minimumEdit : m_maximumEdit;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
