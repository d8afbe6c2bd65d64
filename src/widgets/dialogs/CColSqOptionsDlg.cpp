#include "widgets/dialogs/CColSqOptionsDlg.h"

#include "widgets/dialogs/MinMaxDlg.h"
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

CColSqOptionsDlg::CColSqOptionsDlg(const ColSqChoice &initial, int step, const SeamHeader &header, Reporter &reporter,
                                   QWidget *parent)
    : OptionsDialog(reporter, parent), m_options(initial, step, header)
{
    setWindowTitle(tr("Colored Square Plot Options"));
    m_openMinMax = [this](ScaleRange current) -> std::optional<ScaleRange> {
        MinMaxDlg dialog(current, this->reporter(), this);
        // The item and step as this dialog stands now, not as it opened.
        dialog.setFillRanges(fillRangesFor(m_ranges, m_options.items().selected(), m_options.step().value()));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.range();
    };

    m_items = new StressItemGroup(tr("Stress Item"), m_options.items(), this);
    QLineEdit *stepEdit = makeBox("stepEdit");
    QScrollBar *stepBar = makeBar("stepScrollBar");
    auto *paletteBox = new QGroupBox(tr("Color Palette"), this);
    m_palette = makeRadioGroup(paletteBox, {{"coldToHotButton", tr("Cold to Hot")},
                                            {"hotToColdButton", tr("Hot to Cold")},
                                            {"roygbivButton", tr("ROYGBIV")}});
    auto *scaleBox = new QGroupBox(tr("Scale"), this);
    m_scale = makeRadioGroup(scaleBox, {{"automaticButton", tr("Automatic")}, {"minToMaxButton", tr("Min. to Max.")}});
    QVBoxLayout *buttons = makeButtonColumn();
    bindField(m_options.step(), stepEdit, stepBar);

    connect(m_palette, &QButtonGroup::idClicked, this,
            [this](int id) { m_options.setPalette(choiceOf<Palette>(id)); });
    connect(buttonOf(m_scale, ScaleMode::Automatic), &QAbstractButton::clicked, this,
            [this] { m_options.setScaleMode(ScaleMode::Automatic); });
    // Every click opens the min-max dialog, also on the button already checked.
    connect(buttonOf(m_scale, ScaleMode::MinToMax), &QAbstractButton::clicked, this,
            &CColSqOptionsDlg::minToMaxClicked);

    auto *fields = new QGridLayout;
    addFieldRows(fields, 0, tr("Step Number:"), stepEdit, stepBar);
    auto *middle = new QVBoxLayout;
    middle->addLayout(fields);
    middle->addWidget(paletteBox);
    middle->addWidget(scaleBox);
    middle->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_items);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainTabOrder({m_items->button(StressItemColumn::slotCount - 1), stepEdit, stepBar, m_palette->button(0),
                   m_palette->button(1), m_palette->button(2), m_scale->button(0), m_scale->button(1), m_okButton,
                   m_cancelButton, m_defaultsButton});
    refresh();
}

std::optional<FocusRequest> CColSqOptionsDlg::confirm(NumberField *focused)
{
    return m_options.ok(reporter(), focused);
}

void CColSqOptionsDlg::restoreDefaults()
{
    m_options.defaults();
}

void CColSqOptionsDlg::refresh()
{
    OptionsDialog::refresh();
    m_items->refresh();
    buttonOf(m_palette, m_options.palette())->setChecked(true);
    buttonOf(m_scale, m_options.scaleMode())->setChecked(true);
}

void CColSqOptionsDlg::minToMaxClicked()
{
    m_options.minToMaxClosed(m_openMinMax(m_options.scale()));
    refresh();
}
