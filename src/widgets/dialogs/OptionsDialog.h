#pragma once

#include "dialogs/NumberField.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QVBoxLayout;
class Reporter;

// What the plot options dialogs share: number fields bound to a box and a bar
// (the box checked whenever it loses the focus), and OK, Cancel and Defaults,
// where OK first checks the box that has the focus.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    void accept() override;
    void done(int result) override;

protected:
    OptionsDialog(Reporter &reporter, QWidget *parent);

    Reporter &reporter() { return m_reporter; }

    // A box that takes digits only from the keyboard (pasted text is not filtered).
    QLineEdit *makeBox(const char *objectName);
    QScrollBar *makeBar(const char *objectName);
    void bindField(NumberField &field, QLineEdit *box, QScrollBar *bar);
    // The label and the box on one row of the grid, the bar across the row below.
    static void addFieldRows(QGridLayout *grid, int row, const QString &label, QLineEdit *box, QScrollBar *bar);
    // Radio buttons with ids 0, 1, ... in a column inside the group box.
    QButtonGroup *makeRadioGroup(QGroupBox *box, std::initializer_list<std::pair<const char *, QString>> buttons);
    // A radio group of an enumerated choice has the choice's values as its ids.
    template<typename Choice>
    static QAbstractButton *buttonOf(const QButtonGroup *group, Choice choice)
    {
        return group->button(static_cast<int>(choice));
    }
    template<typename Choice>
    static Choice choiceOf(int buttonId)
    {
        return static_cast<Choice>(buttonId);
    }
    // OK, Cancel and "Defaults" (object names okButton, cancelButton, defaultsButton) above a stretch.
    QVBoxLayout *makeButtonColumn();
    void chainTabOrder(std::initializer_list<QWidget *> widgets);

    // The dialog's rules at OK; empty when it may close.
    virtual std::optional<FocusRequest> confirm(NumberField *focused) = 0;
    virtual void restoreDefaults() = 0;
    // Shows the rules' values in every control; writing them checks nothing.
    virtual void refresh();

    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_defaultsButton = nullptr;

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding
    {
        NumberField *field = nullptr;
        QLineEdit *box = nullptr;
        QScrollBar *bar = nullptr;
    };

    const Binding *bindingOfBox(const QObject *box) const;
    void checkBox(const Binding &binding);
    void scrolled(const Binding &binding, int action);
    void moveFocus(const FocusRequest &request);
    void showField(const Binding &binding);

    Reporter &m_reporter;
    std::vector<Binding> m_bindings;
    // A check or OK is showing a message: the focus it takes from a box starts no second check.
    bool m_checking = false;
    // Once the dialog is closing, the focus leaving its box is no reason for a message.
    bool m_closing = false;
};
