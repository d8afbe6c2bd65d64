#include "app/StepToolBar.h"

#include "model/StepNavigation.h"

#include <QAction>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>

namespace {
constexpr int defaultStepsPerSecond = 4;
}

StepToolBar::StepToolBar(QWidget *parent) : QToolBar("Step", parent)
{
    setObjectName("stepToolBar");
    const auto key = [this](QStyle::StandardPixmap icon, const QString &text, const QKeySequence &shortcut,
                            auto target) {
        QAction *action = addAction(style()->standardIcon(icon), text);
        action->setShortcut(shortcut);
        action->setToolTip(text + " (" + shortcut.toString(QKeySequence::NativeText) + ")");
        connect(action, &QAction::triggered, this, [this, target] {
            stopPlaying();
            choose(target(m_shown, m_stepCount));
        });
        m_keyActions << action;
    };
    key(QStyle::SP_MediaSkipBackward, "First Step", QKeySequence(Qt::Key_Home), [](int, int) { return 1; });
    key(QStyle::SP_MediaSeekBackward, "Previous Step", QKeySequence(Qt::Key_PageUp), &StepNavigation::previous);
    m_step = new QSpinBox(this);
    m_step->setToolTip("The step shown");
    m_step->setKeyboardTracking(false);
    addWidget(m_step);
    key(QStyle::SP_MediaSeekForward, "Next Step", QKeySequence(Qt::Key_PageDown), &StepNavigation::next);
    key(QStyle::SP_MediaSkipForward, "Last Step", QKeySequence(Qt::Key_End), [](int, int stepCount) { return stepCount; });
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setMinimumWidth(200);
    m_slider->setToolTip("The step shown");
    addWidget(m_slider);
    m_lastComplete = new QLabel(this);
    m_lastComplete->setObjectName("lastCompleteStep");
    m_lastComplete->setToolTip("The steps after it are not in the file: they hold what was read before");
    m_lastCompleteShown = addWidget(m_lastComplete);
    m_play = addAction(style()->standardIcon(QStyle::SP_MediaPlay), "Play");
    m_play->setObjectName("play");
    m_play->setCheckable(true);
    m_play->setShortcut(QKeySequence(Qt::Key_Space));
    m_play->setToolTip("Plays the steps one after the other (Space)");
    m_keyActions << m_play;
    m_speed = new QSpinBox(this);
    m_speed->setRange(1, 30);
    m_speed->setValue(defaultStepsPerSecond);
    m_speed->setSuffix(" steps/s");
    m_speed->setToolTip("How many steps a second Play shows");
    addWidget(m_speed);

    connect(m_step, &QSpinBox::valueChanged, this, [this](int step) {
        stopPlaying();
        choose(step);
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int step) {
        stopPlaying();
        choose(step);
    });
    connect(m_play, &QAction::toggled, this, &StepToolBar::play);
    connect(m_speed, &QSpinBox::valueChanged, this,
            [this](int stepsPerSecond) { m_player.setInterval(1000 / stepsPerSecond); });
    m_player.setInterval(1000 / defaultStepsPerSecond);
    connect(&m_player, &QTimer::timeout, this, &StepToolBar::playNext);
    showStep(0, 0, 0);
}

QList<QAction *> StepToolBar::keyActions() const
{
    return m_keyActions;
}

void StepToolBar::showStep(int step, int stepCount, int completeSteps)
{
    const QString lastComplete = QString::fromStdString(StepNavigation::lastCompleteStepText(stepCount, completeSteps));
    m_lastComplete->setText(lastComplete);
    m_lastCompleteShown->setVisible(!lastComplete.isEmpty());
    m_shown = step;
    m_stepCount = stepCount;
    const bool steps = stepCount > 0;
    const QSignalBlocker stepBlocker(m_step);
    const QSignalBlocker sliderBlocker(m_slider);
    m_step->setRange(steps ? 1 : 0, stepCount);
    m_slider->setRange(steps ? 1 : 0, stepCount);
    m_step->setValue(step);
    m_slider->setValue(step);
    // One step has nowhere to go.
    for (QAction *action : m_keyActions)
        action->setEnabled(stepCount > 1);
    m_step->setEnabled(stepCount > 1);
    m_slider->setEnabled(stepCount > 1);
    if (stepCount < 2)
        stopPlaying();
}

int StepToolBar::pace() const
{
    return m_speed->value();
}

void StepToolBar::setPace(int stepsPerSecond)
{
    m_speed->setValue(stepsPerSecond);
}

void StepToolBar::choose(int step)
{
    if (m_stepCount > 0 && step != m_shown)
        emit stepChosen(step);
}

void StepToolBar::stopPlaying()
{
    m_play->setChecked(false);
}

void StepToolBar::play(bool on)
{
    m_play->setText(on ? "Pause" : "Play");
    m_play->setIcon(style()->standardIcon(on ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    if (on)
        m_player.start();
    else
        m_player.stop();
    emit playingChanged(on);
}

void StepToolBar::playNext()
{
    choose(StepNavigation::nextLooping(m_shown, m_stepCount));
}
