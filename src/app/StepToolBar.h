#pragma once

#include <QTimer>
#include <QToolBar>

class QAction;
class QLabel;
class QSlider;
class QSpinBox;

// The Step toolbar: the step shown, in a spin box and on a slider over the
// file's steps; buttons and keys for the first (Home), previous (Page Up),
// next (Page Down) and last (End) step; and Play (Space), which steps through
// the steps at a steady pace, adjustable in steps a second, back to the first
// after the last, until it is paused or a command stops it. For a file that
// does not hold every step whole, it names the last complete step.
class StepToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit StepToolBar(QWidget *parent = nullptr);

    // The step shown, the file's steps (0 without a file) and how many of them
    // the file holds whole.
    void showStep(int step, int stepCount, int completeSteps);
    void stopPlaying();
    bool isPlaying() const { return m_player.isActive(); }
    // Play's pace in steps a second.
    int pace() const;
    void setPace(int stepsPerSecond);
    // The step keys and Play, for the window to take their shortcuts while the toolbar is hidden.
    QList<QAction *> keyActions() const;

signals:
    void stepChosen(int step);
    void playingChanged(bool playing);

private:
    void choose(int step);
    void play(bool on);
    void playNext();

    QSpinBox *m_step = nullptr;
    QSlider *m_slider = nullptr;
    QLabel *m_lastComplete = nullptr;
    QAction *m_lastCompleteShown = nullptr;
    QSpinBox *m_speed = nullptr;
    QAction *m_play = nullptr;
    QList<QAction *> m_keyActions;
    QTimer m_player;
    int m_shown = 0;
    int m_stepCount = 0;
};
