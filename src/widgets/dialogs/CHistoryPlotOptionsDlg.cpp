#include "widgets/dialogs/CHistoryPlotOptionsDlg.h"

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

CHistoryPlotOptionsDlg::CHistoryPlotOptionsDlg(const HistoryChoice &initial, const SeamHeader &header,
                                               Reporter &reporter, QWidget *parent)
    : OptionsDialog(reporter, parent), m_options(initial, header)
{
    setWindowTitle(tr("History Plot"));
    m_items = new StressItemGroup(tr("Stress Item"), m_options.items(), this);
    QLineEdit *minXEdit = makeBox("minXEdit");
    QScrollBar *minXBar = makeBar("minXScrollBar");
    QLineEdit *maxXEdit = makeBox("maxXEdit");
    QScrollBar *maxXBar = makeBar("maxXScrollBar");
    QLineEdit *minYEdit = makeBox("minYEdit");
    QScrollBar *minYBar = makeBar("minYScrollBar");
    QLineEdit *maxYEdit = makeBox("maxYEdit");
    QScrollBar *maxYBar = makeBar("maxYScrollBar");
    auto *modeBox = new QGroupBox(tr("Stress Value"), this);
    m_mode = makeRadioGroup(modeBox, {{"averageButton", tr("Average")}, {"totalButton", tr("Total")}});
    QVBoxLayout *buttons = makeButtonColumn();
    bindField(m_options.minX(), minXEdit, minXBar);
    bindField(m_options.maxX(), maxXEdit, maxXBar);
    bindField(m_options.minY(), minYEdit, minYBar);
    bindField(m_options.maxY(), maxYEdit, maxYBar);

    connect(m_mode, &QButtonGroup::idClicked, this, [this](int id) { m_options.setMode(choiceOf<HistoryMode>(id)); });

    auto *fields = new QGridLayout;
    addFieldRows(fields, 0, tr("Minimum X Value"), minXEdit, minXBar);
    addFieldRows(fields, 2, tr("Maximum X Value"), maxXEdit, maxXBar);
    addFieldRows(fields, 4, tr("Minimum Y Value"), minYEdit, minYBar);
    addFieldRows(fields, 6, tr("Maximum Y Value"), maxYEdit, maxYBar);
    auto *middle = new QVBoxLayout;
    middle->addLayout(fields);
    middle->addWidget(modeBox);
    middle->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_items);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainTabOrder({m_items->button(StressItemColumn::slotCount - 1), minXEdit, minXBar, maxXEdit, maxXBar, minYEdit,
                   minYBar, maxYEdit, maxYBar, m_mode->button(0), m_mode->button(1), m_okButton, m_cancelButton,
                   m_defaultsButton});
    refresh();
}

std::optional<FocusRequest> CHistoryPlotOptionsDlg::confirm(NumberField *focused)
{
    return m_options.ok(reporter(), focused);
}

void CHistoryPlotOptionsDlg::restoreDefaults()
{
    m_options.defaults();
}

void CHistoryPlotOptionsDlg::refresh()
{
    OptionsDialog::refresh();
    m_items->refresh();
    buttonOf(m_mode, m_options.mode())->setChecked(true);
}
