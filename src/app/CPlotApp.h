#pragma once

#include "app/MessageBoxReporter.h"

#include <QApplication>
#include <QStringList>

#include <memory>

class CMainFrame;
class CPlotDoc;

// The application: one document, one main window with its view, for the
// program's whole life.
class CPlotApp : public QApplication
{
    Q_OBJECT

public:
    CPlotApp(int &argc, char **argv);
    ~CPlotApp() override;

    // Shows the main window and opens the file named on the command line, if any.
    void InitInstance();

    CMainFrame *mainFrame() const { return m_frame.get(); }
    CPlotDoc *document() const { return m_document.get(); }

private:
    // A termination signal: ends any open box first, since the command that opened
    // it may still be using the document (a message inside File Open's reading
    // loop), and closes the window and the file once that command is done.
    void terminate();

    // The command line with file names kept as the system's bytes.
    QStringList m_arguments;
    MessageBoxReporter m_reporter;
    std::unique_ptr<CPlotDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};
