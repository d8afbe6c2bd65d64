#include "app_helpers.h"

#include "app/CMainFrame.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QFile>
#include <QTemporaryDir>

void useTestSettings()
{
    // A folder of this process's own: test programs that run side by side must
    // not share one recent-file list (Qt's test mode folder is one for all).
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath("cache")));
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
