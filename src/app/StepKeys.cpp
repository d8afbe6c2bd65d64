#include "app/StepKeys.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

StepKeys::StepKeys(QWidget *window, QList<QAction *> actions)
    : QObject(window), m_window(window), m_actions(std::move(actions))
{
    qApp->installEventFilter(this);
}

bool StepKeys::isStepKey(const QEvent *event) const
{
    const QKeySequence key(static_cast<const QKeyEvent *>(event)->keyCombination());
    for (const QAction *action : m_actions)
        if (action->isEnabled() && action->shortcut() == key)
            return true;
    return false;
}

bool StepKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::Hide)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget == m_window)
        return false;
    if (event->type() == QEvent::ShortcutOverride && widget->window() == m_window && isStepKey(event)) {
        // Not overridden: the window's shortcut takes the key.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::Hide && qobject_cast<const QDialog *>(widget) && widget->parentWidget()
        && widget->parentWidget()->window() == m_window) {
        QTimer::singleShot(0, m_window, [window = m_window] {
            if (!QApplication::activeWindow() && window->isVisible())
                window->activateWindow();
        });
    }
    return false;
}
