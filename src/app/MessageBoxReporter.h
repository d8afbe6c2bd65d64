#pragma once

#include "data/Reporter.h"

#include <QPointer>
#include <QWidget>

// The program's messages as OK-only message boxes over the main window.
class MessageBoxReporter : public Reporter
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    void report(const std::string &message) override;
    // One box for the whole run, saying how many steps it stands for.
    void reportSteps(const std::string &message, int firstStep, int lastStep) override;

private:
    QPointer<QWidget> m_parent;
};
