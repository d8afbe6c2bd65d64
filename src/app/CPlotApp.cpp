#include "app/CPlotApp.h"

#include "app/CMainFrame.h"
#include "app/TerminationSignals.h"
#include "data/CPlotDoc.h"

#include <QCommandLineParser>

#include <clocale>

CPlotApp::CPlotApp(int &argc, char **argv) : QApplication(argc, argv)
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
    connect(termination, &TerminationSignals::terminationRequested, m_frame.get(), &QWidget::close);
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
    parser.process(*this);

    m_frame->show();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        m_frame->openDocument(files.front());
}
