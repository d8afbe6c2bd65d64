#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// The step keys (Space, Home, End, Page Up, Page Down) belong to the whole
// main window. A box of the window that would keep them for its text (the
// Step toolbar's step and pace boxes) gives them up, so they step the plot
// wherever the focus is, while digits still go into the box. A dialog of the
// window that closes hands the activation back to the window, so the keys work
// at once after it, also where no window manager does that.
class StepKeys : public QObject
{
public:
    StepKeys(QWidget *window, QList<QAction *> actions);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isStepKey(const QEvent *event) const;

    QWidget *m_window;
    QList<QAction *> m_actions;
};
