#pragma once

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QRadioButton;
class StressItemColumn;

// The stress-item column as a group box of 18 radio buttons (itemButton0 to
// itemButton17); only the items of the file are shown, captioned with their names.
class StressItemGroup : public QGroupBox
{
    Q_OBJECT

public:
    StressItemGroup(const QString &title, StressItemColumn &column, QWidget *parent);

    QRadioButton *button(int slot) const { return m_buttons.at(static_cast<std::size_t>(slot)); }
    // Checks the column's selected item.
    void refresh();

private:
    StressItemColumn &m_column;
    QButtonGroup *m_group = nullptr;
    std::array<QRadioButton *, 18> m_buttons{};
};
