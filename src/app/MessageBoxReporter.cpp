#include "app/MessageBoxReporter.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxReporter::report(const std::string &message)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(message),
                    QMessageBox::Ok, m_parent);
    box.exec();
}
