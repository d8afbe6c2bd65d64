#include "widgets/dialogs/XSecOptionsDlg.h"

#include "widgets/dialogs/StressItemGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

XSecOptionsDlg::XSecOptionsDlg(const XSecChoice &initial, int step, const SeamHeader &header, Reporter &reporter,
                               QWidget *parent)
    : OptionsDialog(reporter, parent), m_options(initial, step, header)
{
    setWindowTitle(tr("Cross Section Options"));
    m_items = new StressItemGroup(tr("Stress Item"), m_options.items(), this);
    QLineEdit *stepEdit = makeBox("stepEdit");
    QScrollBar *stepBar = makeBar("stepScrollBar");
    auto *directionBox = new QGroupBox(tr("Cross Section Direction"), this);
    m_direction = makeRadioGroup(directionBox, {{"parallelToXButton", tr("Parallel to X")},
                                                {"parallelToYButton", tr("Parallel to Y")}});
    QLineEdit *locationEdit = makeBox("locationEdit");
    QScrollBar *locationBar = makeBar("locationScrollBar");
    QVBoxLayout *buttons = makeButtonColumn();
    bindField(m_options.step(), stepEdit, stepBar);
    bindField(m_options.location(), locationEdit, locationBar);

    // Also a click on the direction already checked sets the location's range again.
    connect(m_direction, &QButtonGroup::idClicked, this, [this](int id) {
        m_options.chooseDirection(choiceOf<CrossSectionDirection>(id));
        refresh();
    });

    auto *stepFields = new QGridLayout;
    addFieldRows(stepFields, 0, tr("Step Number:"), stepEdit, stepBar);
    auto *locationFields = new QGridLayout;
    addFieldRows(locationFields, 0, tr("Cross-Section Location:"), locationEdit, locationBar);
    auto *middle = new QVBoxLayout;
    middle->addLayout(stepFields);
    middle->addWidget(directionBox);
    middle->addLayout(locationFields);
    middle->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_items);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainTabOrder({m_items->button(StressItemColumn::slotCount - 1), stepEdit, stepBar, m_direction->button(0),
                   m_direction->button(1), locationEdit, locationBar, m_okButton, m_cancelButton, m_defaultsButton});
    refresh();
}

std::optional<FocusRequest> XSecOptionsDlg::confirm(NumberField *focused)
{
    return m_options.ok(reporter(), focused);
}

void XSecOptionsDlg::restoreDefaults()
{
    m_options.defaults();
}

void XSecOptionsDlg::refresh()
{
    OptionsDialog::refresh();
    m_items->refresh();
    buttonOf(m_direction, m_options.direction())->setChecked(true);
}
