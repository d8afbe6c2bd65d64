#include "data/CPlotDoc.h"

#include "data/Reporter.h"
#include "data/StepCache.h"

CPlotDoc::CPlotDoc(Reporter &reporter, QObject *parent) : QObject(parent), m_reporter(reporter)
{
}

CPlotDoc::~CPlotDoc()
{
    DeleteContents();
}

CPlotDoc::OpenResult CPlotDoc::openFile(const std::string &chosenPath, OpenWatch *watch)
{
    OpenedFile file;
    const OpenResult result = readSeamFile(chosenPath, m_reporter, file, watch);
    if (result == OpenResult::Opened || result == OpenResult::OpenedWithErrors) {
        // The new file replaces the open one, whose cache files go.
        DeleteContents();
        m_header = file.header;
        m_grid = std::move(file.grid);
        m_fileName = file.names.fileName;
        m_fileTitle = file.names.fileTitle;
        m_fileDirectory = file.names.fileDirectory;
        m_heldStep = m_header.stepCount; // the open ends with the last step in the grid
    }
    emit updateAllViews();
    return result;
}

void CPlotDoc::DeleteContents()
{
    if (!m_grid.allocated())
        return;
    if (m_grid.cache())
        m_grid.cache()->removeFiles(&m_reporter);
    clearContents();
}

bool CPlotDoc::loadStep(int step)
{
    if (!isLoaded() || step < 1 || step > m_header.stepCount) {
        m_reporter.report("Step " + std::to_string(step) + " is not a step of the open file.");
        return false;
    }
    if (m_grid.ReadStep(step)) {
        m_heldStep = step;
        return true;
    }
    // What the grid holds now is no step of the file: nothing may show it as one.
    m_heldStep = 0;
    m_reporter.report(m_grid.errorText());
    return false;
}

void CPlotDoc::clearContents()
{
    m_grid.release();
    // An empty document keeps nothing of the file: no sizes, names or file strings.
    m_header = SeamHeader();
    m_fileTitle.clear();
    m_fileName.clear();
    m_fileDirectory.clear();
    m_heldStep = 0;
}
