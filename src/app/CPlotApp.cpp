#include "app/CPlotApp.h"

#include "app/CMainFrame.h"
#include "app/TerminationSignals.h"
#include "data/CPlotDoc.h"
#include "data/LocalFileNames.h"

#include <QCommandLineParser>
#include <QDialog>
#include <QThread>
#include <QTimer>

#include <clocale>

CPlotApp::CPlotApp(int &argc, char **argv)
    : QApplication(argc, argv), m_arguments(LocalFileNames::arguments(argc, argv))
{
    // The recent-file list lives under this organisation and application name.
    setOrganizationName("KESTR Application");
    setApplicationName("Sembla3_0");
    setApplicationDisplayName("Sembla3_0");
    setApplicationVersion("2.1.1");
    // The file formats are read and written in the C locale's numbers, whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    m_document = std::make_unique<CPlotDoc>(m_reporter);
    m_frame = std::make_unique<CMainFrame>(*m_document);
    m_reporter.setParentWidget(m_frame.get());
    auto *termination = new TerminationSignals(this);
    connect(termination, &TerminationSignals::terminationRequested, this, &CPlotApp::terminate);
}

void CPlotApp::terminate()
{
    if (QWidget *popup = activePopupWidget())
        popup->close();
    if (QWidget *modal = activeModalWidget()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
    // Every command runs from the main event loop; a deeper loop is a command's box
    // that has not returned yet.
    if (activeModalWidget() || activePopupWidget() || QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(0, this, &CPlotApp::terminate);
        return;
    }
    m_frame->close();
}

CPlotApp::~CPlotApp()
{
    // The view goes before the document it reads; closing the document removes its cache files.
    m_frame.reset();
    m_document.reset();
}

void CPlotApp::InitInstance()
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Sembla, a viewer for seam stress analysis results.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A seam output file (.f1 to .f4) to open.");
    parser.process(m_arguments);

    m_frame->show();
    // Opened from the event loop, like every other command.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        QTimer::singleShot(0, m_frame.get(), [frame = m_frame.get(), file = LocalFileNames::toPath(files.front())] {
            frame->openDocument(file);
        });
}
