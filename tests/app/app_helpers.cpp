#include "app_helpers.h"

#include "app/CMainFrame.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

void useTestSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("KESTR Application");
    QCoreApplication::setApplicationName("Sembla3_0");
    QSettings().clear();
}

CPlotDoc::OpenResult openAndWait(CMainFrame &frame, CPlotDoc &document, const std::string &path)
{
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    frame.openDocument(path);
    if (ended.isEmpty() && !ended.wait(60000))
        qFatal("the open of %s did not end", path.c_str());
    return ended.front().front().value<CPlotDoc::OpenResult>();
}
