#include "app/MessageBoxReporter.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxReporter::report(const std::string &message)
{
    // A message raised inside an options dialog stands over that dialog and gives the focus back to it.
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = m_parent;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(message),
                    QMessageBox::Ok, parent);
    box.exec();
}

void MessageBoxReporter::reportSteps(const std::string &message, int firstStep, int lastStep)
{
    if (firstStep >= lastStep) {
        Reporter::reportSteps(message, firstStep, lastStep);
        return;
    }
    report(message + "\n\nThis message stands for steps " + std::to_string(firstStep) + " to "
           + std::to_string(lastStep) + " (" + std::to_string(lastStep - firstStep + 1) + " steps).");
}
