#include "widgets/dialogs/OptionsDialog.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

ScrollAction scrollActionOf(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollAction::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollAction::LineRight;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollAction::PageLeft;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollAction::PageRight;
    case QAbstractSlider::SliderMove:
        return ScrollAction::ThumbTrack;
    default:
        return ScrollAction::Other;
    }
}

bool isTypedNonDigit(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false; // editing keys, shortcuts such as paste
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return true;
    }
    return false;
}

} // namespace

OptionsDialog::OptionsDialog(Reporter &reporter, QWidget *parent)
    : QDialog(parent), m_reporter(reporter)
{
}

QLineEdit *OptionsDialog::makeBox(const char *objectName)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(objectName));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    box->installEventFilter(this);
    return box;
}

QScrollBar *OptionsDialog::makeBar(const char *objectName)
{
    auto *bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QLatin1String(objectName));
    // Reached with Tab but not taken by a click: a box's message box shown from
    // inside the bar's mouse press would leave the bar pressed and repeating.
    bar->setFocusPolicy(Qt::TabFocus);
    bar->setMinimumWidth(bar->fontMetrics().averageCharWidth() * 28);
    return bar;
}

void OptionsDialog::bindField(NumberField &field, QLineEdit *box, QScrollBar *bar)
{
    m_bindings.push_back(Binding{&field, box, bar});
    const std::size_t index = m_bindings.size() - 1;
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, index](int action) { scrolled(m_bindings[index], action); });
    showField(m_bindings.back());
}

void OptionsDialog::addFieldRows(QGridLayout *grid, int row, const QString &label, QLineEdit *box, QScrollBar *bar)
{
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(bar, row + 1, 0, 1, 2);
}

QButtonGroup *OptionsDialog::makeRadioGroup(QGroupBox *box, std::initializer_list<std::pair<const char *, QString>> buttons)
{
    auto *group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    int id = 0;
    for (const auto &[objectName, caption] : buttons) {
        auto *button = new QRadioButton(caption, box);
        button->setObjectName(QLatin1String(objectName));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    return group;
}

QVBoxLayout *OptionsDialog::makeButtonColumn()
{
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_defaultsButton = new QPushButton(tr("Defaults"), this);
    m_defaultsButton->setObjectName(QStringLiteral("defaultsButton"));
    // Clicks leave the focus in a box, for the same reason as the bars; OK then
    // checks that box itself.
    for (QPushButton *button : {m_okButton, m_cancelButton, m_defaultsButton})
        button->setFocusPolicy(Qt::TabFocus);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(m_defaultsButton, &QPushButton::clicked, this, [this] {
        restoreDefaults();
        refresh();
    });

    auto *column = new QVBoxLayout;
    column->addWidget(m_okButton);
    column->addWidget(m_cancelButton);
    column->addWidget(m_defaultsButton);
    column->addStretch();
    return column;
}

void OptionsDialog::chainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous != nullptr)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void OptionsDialog::accept()
{
    if (m_checking)
        return;
    NumberField *focused = nullptr;
    for (const Binding &binding : m_bindings) {
        // What the boxes hold now, as the framework's reading at OK would see it.
        binding.field->edit(binding.box->text().toStdString());
        if (focusWidget() == binding.box)
            focused = binding.field;
    }
    m_checking = true;
    const std::optional<FocusRequest> refused = confirm(focused);
    m_checking = false;
    refresh();
    if (refused) {
        moveFocus(*refused);
        return;
    }
    QDialog::accept();
}

void OptionsDialog::done(int result)
{
    m_closing = true;
    QDialog::done(result);
}

void OptionsDialog::refresh()
{
    for (const Binding &binding : m_bindings)
        showField(binding);
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    m_closing = false;
    QDialog::showEvent(event);
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    const Binding *binding = bindingOfBox(watched);
    if (binding != nullptr) {
        if (event->type() == QEvent::KeyPress && isTypedNonDigit(static_cast<QKeyEvent *>(event)))
            return true;
        // A context menu over the box does not leave it.
        if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason
            && !m_checking && !m_closing && isVisible())
            checkBox(*binding);
    }
    return QDialog::eventFilter(watched, event);
}

const OptionsDialog::Binding *OptionsDialog::bindingOfBox(const QObject *box) const
{
    for (const Binding &binding : m_bindings) {
        if (binding.box == box)
            return &binding;
    }
    return nullptr;
}

void OptionsDialog::checkBox(const Binding &binding)
{
    binding.field->edit(binding.box->text().toStdString());
    m_checking = true;
    const bool accepted = binding.field->focusLost(m_reporter);
    m_checking = false;
    showField(binding);
    if (!accepted)
        moveFocus(FocusRequest{binding.field, binding.field->focusTarget()});
}

void OptionsDialog::scrolled(const Binding &binding, int action)
{
    binding.field->scroll(scrollActionOf(action), binding.bar->sliderPosition());
    // Inside the notification the slider position, not the value, decides where the bar ends.
    binding.bar->setSliderPosition(binding.field->value());
    const QSignalBlocker blocker(binding.box);
    binding.box->setText(QString::fromStdString(binding.field->text()));
}

void OptionsDialog::moveFocus(const FocusRequest &request)
{
    for (const Binding &binding : m_bindings) {
        if (binding.field != request.field)
            continue;
        if (request.target == FocusTarget::Bar) {
            binding.bar->setFocus(Qt::OtherFocusReason);
        } else {
            binding.box->setFocus(Qt::OtherFocusReason);
            // The box was reset: what the user types next replaces it. Selected once
            // the focus change that ran the check is over, which would clear it.
            QMetaObject::invokeMethod(binding.box, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    }
}

void OptionsDialog::showField(const Binding &binding)
{
    const NumberField &field = *binding.field;
    const QString text = QString::fromStdString(field.text());
    if (binding.box->text() != text) {
        const QSignalBlocker blocker(binding.box);
        binding.box->setText(text);
    }
    const QSignalBlocker blocker(binding.bar);
    // A page of 1: the thumb marks a position; the page step of a trough click is the field's own.
    binding.bar->setRange(1, field.upperBound() < 1 ? 1 : field.upperBound());
    binding.bar->setPageStep(1);
    binding.bar->setSingleStep(1);
    binding.bar->setValue(field.value());
    // A bar with nothing to scroll is shown disabled.
    binding.bar->setEnabled(field.upperBound() > 1);
}
