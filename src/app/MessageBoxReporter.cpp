#include "app/MessageBoxReporter.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxReporter::report(const std::string &message)
{
    QString text = QString::fromStdString(message);
    // Some messages end in a line feed; a box shows it as an empty last line.
    while (text.endsWith('\n'))
        text.chop(1);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, m_parent);
    box.exec();
}
