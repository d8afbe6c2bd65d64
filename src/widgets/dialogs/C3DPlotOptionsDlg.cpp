#include "widgets/dialogs/C3DPlotOptionsDlg.h"

#include "widgets/dialogs/StressItemGroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

C3DPlotOptionsDlg::C3DPlotOptionsDlg(const FishNetChoice &initial, int step, const SeamHeader &header, Reporter &reporter,
                                     QWidget *parent)
    : OptionsDialog(reporter, parent), m_options(initial, step, header)
{
    setWindowTitle(tr("FishNet Plot Options"));
    // Lower-case i, unlike the other options dialogs.
    m_items = new StressItemGroup(tr("Stress item"), m_options.items(), this);
    QLineEdit *stepEdit = makeBox("stepEdit");
    QScrollBar *stepBar = makeBar("stepScrollBar");
    QVBoxLayout *buttons = makeButtonColumn();
    bindField(m_options.step(), stepEdit, stepBar);

    auto *fields = new QGridLayout;
    addFieldRows(fields, 0, tr("Step Number"), stepEdit, stepBar);
    auto *middle = new QVBoxLayout;
    middle->addLayout(fields);
    middle->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_items);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainTabOrder({m_items->button(StressItemColumn::slotCount - 1), stepEdit, stepBar, m_okButton, m_cancelButton,
                   m_defaultsButton});
    refresh();
}

std::optional<FocusRequest> C3DPlotOptionsDlg::confirm(NumberField *focused)
{
    return m_options.ok(reporter(), focused);
}

void C3DPlotOptionsDlg::restoreDefaults()
{
    m_options.defaults();
}

void C3DPlotOptionsDlg::refresh()
{
    OptionsDialog::refresh();
    m_items->refresh();
}
