#include "app_helpers.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

void useTestSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("KESTR Application");
    QCoreApplication::setApplicationName("Sembla3_0");
    QSettings().clear();
}
