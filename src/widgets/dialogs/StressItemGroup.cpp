#include "widgets/dialogs/StressItemGroup.h"

#include "dialogs/StressItemColumn.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

static_assert(StressItemColumn::slotCount == 18);

StressItemGroup::StressItemGroup(const QString &title, StressItemColumn &column, QWidget *parent)
    : QGroupBox(title, parent), m_column(column), m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("stressItemGroup"));
    auto *layout = new QVBoxLayout(this);
    for (int k = 0; k < StressItemColumn::slotCount; ++k) {
        // An ampersand in an item name is part of the name, not a shortcut mark.
        auto *button = new QRadioButton(QString::fromStdString(column.caption(k)).replace(QLatin1Char('&'), QLatin1String("&&")), this);
        button->setObjectName(QStringLiteral("itemButton%1").arg(k));
        button->setVisible(column.isShown(k));
        m_group->addButton(button, k);
        layout->addWidget(button);
        m_buttons[static_cast<std::size_t>(k)] = button;
    }
    layout->addStretch();
    connect(m_group, &QButtonGroup::idClicked, this, [this](int slot) { m_column.select(slot); });
    refresh();
}

void StressItemGroup::refresh()
{
    button(m_column.selected())->setChecked(true);
}
