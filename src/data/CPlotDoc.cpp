#include "data/CPlotDoc.h"

#include "data/BackgroundOpen.h"
#include "data/Reporter.h"
#include "data/StepCache.h"

#include <algorithm>
#include <new>

namespace {

bool succeeded(OpenResult result)
{
    return result == OpenResult::Opened || result == OpenResult::OpenedWithErrors;
}

int completeStepsSoFar(const BackgroundOpen &opening)
{
    const int incomplete = opening.watch().firstIncompleteStep;
    return incomplete == 0 ? opening.header().stepCount : incomplete - 1;
}

} // namespace

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
    if (succeeded(result)) {
        // The new file replaces the open one, whose cache files go.
        DeleteContents();
        m_file = std::move(file);
        m_heldStep = m_file.header.stepCount; // the open ends with the last step in the grid
    }
    emit updateAllViews();
    return result;
}

void CPlotDoc::beginOpen(const std::string &filePath, int stepToShow)
{
    m_nextOpen = NextOpen{filePath, stepToShow};
    if (m_opening)
        cancelOpen(); // the next open starts when this one has ended
    else
        startNextOpen();
}

void CPlotDoc::startNextOpen()
{
    const NextOpen next = *m_nextOpen;
    m_nextOpen.reset();
    m_opening = std::make_unique<BackgroundOpen>(next.path, m_reporter);
    m_stepToShow = next.stepToShow;
    connect(m_opening.get(), &BackgroundOpen::stepsReady, this, &CPlotDoc::onOpenStepsReady);
    connect(m_opening.get(), &BackgroundOpen::finished, this, &CPlotDoc::onOpenFinished);
    emit openStarted();
    m_opening->start();
}

void CPlotDoc::cancelOpen()
{
    if (!m_opening)
        return;
    m_opening->cancel();
    showPreviousFile();
}

const OpenWatch *CPlotDoc::openWatch() const
{
    return m_opening ? &m_opening->watch() : nullptr;
}

void CPlotDoc::onOpenStepsReady(int count)
{
    if (m_opening->watch().cancel)
        return;
    const int stepToShow = std::clamp(m_stepToShow, 1, m_opening->header().stepCount);
    if (!m_showingOpening && count >= stepToShow && !showOpeningFile(*m_opening))
        cancelOpen();
    if (m_showingOpening)
        emit stepsReady();
}

bool CPlotDoc::showOpeningFile(const BackgroundOpen &opening)
{
    OpenedFile shown;
    shown.names = opening.names();
    shown.filePath = shown.names.fileDirectory + shown.names.fileName;
    shown.header = opening.header();
    shown.completeSteps = completeStepsSoFar(opening);
    try {
        // A grid of its own: the reading thread fills another.
        shown.grid.setUp(shown.header.itemCount, shown.header.columnCount, shown.header.rowCount, opening.cache());
    } catch (const std::bad_alloc &) {
        m_reporter.report("There is not enough memory to show the file " + shown.filePath + ".");
        return false;
    }
    const bool replacedAFile = isLoaded();
    if (replacedAFile)
        m_previous = std::make_unique<OpenedFile>(std::move(m_file));
    m_file = std::move(shown);
    m_heldStep = 0;
    m_showingOpening = true;
    emit openingFileShown(replacedAFile);
    emit updateAllViews();
    return true;
}

void CPlotDoc::showPreviousFile()
{
    if (!m_showingOpening)
        return;
    m_showingOpening = false;
    // The cache files of the file being read are its open's to remove.
    m_file = m_previous ? std::move(*m_previous) : OpenedFile();
    m_previous.reset();
    m_heldStep = 0;
    emit previousFileBack();
    emit updateAllViews();
}

void CPlotDoc::onOpenFinished(OpenResult result)
{
    BackgroundOpen *opening = m_opening.release();
    opening->deleteLater(); // its signal is still being handled
    if (opening->watch().cancel && succeeded(result)) {
        // Read to its end before it noticed: what it wrote goes now.
        removeCacheFiles(opening->file());
        result = OpenResult::Cancelled;
    }
    if (succeeded(result) && !m_showingOpening && !showOpeningFile(*opening))
        result = OpenResult::Failed;
    if (succeeded(result)) {
        m_file.completeSteps = opening->file().completeSteps;
        m_file.ranges = std::move(opening->file().ranges);
        if (m_previous)
            removeCacheFiles(*m_previous);
        m_previous.reset();
        m_showingOpening = false;
    } else {
        showPreviousFile();
    }
    emit openEnded(result, opening->path());
    if (m_nextOpen)
        startNextOpen();
}

void CPlotDoc::DeleteContents()
{
    m_nextOpen.reset();
    cancelOpen();
    if (!isLoaded())
        return;
    removeCacheFiles(m_file);
    // An empty document keeps nothing of the file: no sizes, names or file strings.
    m_file = OpenedFile();
    m_heldStep = 0;
}

void CPlotDoc::removeCacheFiles(OpenedFile &file)
{
    if (file.grid.cache())
        file.grid.cache()->removeFiles(&m_reporter);
}

const StepRanges *CPlotDoc::stepRanges() const
{
    return isLoaded() && !m_showingOpening && !m_file.ranges.empty() ? &m_file.ranges : nullptr;
}

bool CPlotDoc::stepReady(int step) const
{
    return isLoaded() && m_file.grid.cache() && m_file.grid.cache()->isReady(step);
}

int CPlotDoc::completeSteps() const
{
    return m_showingOpening && m_opening ? completeStepsSoFar(*m_opening) : m_file.completeSteps;
}

bool CPlotDoc::loadStep(int step)
{
    if (!isLoaded() || step < 1 || step > m_file.header.stepCount) {
        m_reporter.report("Step " + std::to_string(step) + " is not a step of the open file.");
        return false;
    }
    if (m_file.grid.ReadStep(step)) {
        m_heldStep = step;
        return true;
    }
    // What the grid holds now is no step of the file: nothing may show it as one.
    m_heldStep = 0;
    m_reporter.report(m_file.grid.errorText());
    return false;
}
