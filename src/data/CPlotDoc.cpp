#include "data/CPlotDoc.h"

#include "data/FilePath.h"
#include "data/LineReader.h"
#include "data/Reporter.h"
#include "data/SeamReader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

namespace {

// Counts what passes through, so the open can tell a clean file from a damaged one.
class CountingReporter : public Reporter
{
public:
    explicit CountingReporter(Reporter &target) : m_target(target) {}
    void report(const std::string &message) override
    {
        ++count;
        m_target.report(message);
    }
    int count = 0;

private:
    Reporter &m_target;
};

// Why a header cannot describe a grid, or empty when it can. Nothing is
// allocated from a header that fails here.
std::string gridProblem(const SeamHeader &header)
{
    if (header.stepCount < 1)
        return "the number of steps is " + std::to_string(header.stepCount);
    if (header.columnCount < 1)
        return "the number of columns is " + std::to_string(header.columnCount);
    if (header.rowCount < 1)
        return "the number of rows is " + std::to_string(header.rowCount);
    if (header.itemCount < 1 || header.itemCount > SeamHeader::maxItems)
        return "the number of stress items is " + std::to_string(header.itemCount) + ", not 1 to 18";
    if (!(header.cellSize > 0.0f) || !std::isfinite(header.cellSize))
        return "the cell size is not a positive number";
    if (!std::isfinite(header.originX) || !std::isfinite(header.originY))
        return "the origin is not a finite point";
    const long long perColumn = static_cast<long long>(header.rowCount) * header.itemCount;
    if (perColumn > StepGrid::maxValueCount / header.columnCount)
        return "one step holds more values than the program can keep in memory";
    return {};
}

// The step whose cache file would be the input file itself (an input named
// SemTmp3.bin in a file of 3 or more steps), or 0.
int cachedUnderOwnName(const std::string &fileName, int stepCount)
{
    const std::string prefix = "SemTmp";
    const std::string suffix = ".bin";
    if (fileName.size() <= prefix.size() + suffix.size() || fileName.compare(0, prefix.size(), prefix) != 0
        || fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string number = fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
    int step = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), step);
    const bool sameName = result.ec == std::errc() && result.ptr == number.data() + number.size()
                          && std::to_string(step) == number;
    return sameName && step >= 1 && step <= stepCount ? step : 0;
}

} // namespace

CPlotDoc::CPlotDoc(Reporter &reporter, QObject *parent) : QObject(parent), m_reporter(reporter)
{
}

CPlotDoc::~CPlotDoc()
{
    DeleteContents();
}

CPlotDoc::OpenResult CPlotDoc::openFile(const std::string &chosenPath)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(chosenPath, error);
    const std::string filePath = error ? chosenPath : absolute.string();

    errno = 0;
    std::ifstream in(filePath, std::ios::binary);
    const int openError = in ? (std::filesystem::is_directory(filePath, error) ? EISDIR : 0) : errno;
    if (!in || openError != 0) {
        m_reporter.report("Cannot open the file " + filePath + " (" + std::strerror(openError ? openError : EIO) + ").");
        emit updateAllViews();
        return OpenResult::Failed;
    }

    // A new file replaces the current one, whose cache files go first.
    DeleteContents();
    const FilePath parts = FilePath::split(filePath);
    m_filePath = filePath;
    m_fileName = parts.fileName;
    m_fileTitle = parts.fileTitle;
    m_fileDirectory = parts.fileDirectory;

    CountingReporter reporter(m_reporter);
    LineReader lines(in, 2 << 20);
    // Fields a damaged first line leaves unread are zero, never an earlier file's sizes.
    SeamHeader header;
    if (SeamReader::readHeader(lines, header, reporter) != SeamReader::Status::Ok) {
        clearContents();
        emit updateAllViews();
        return OpenResult::Failed;
    }
    const std::string problem = gridProblem(header);
    if (!problem.empty()) {
        m_reporter.report("The header of " + m_fileName + " does not describe a grid: " + problem + ".");
        clearContents();
        emit updateAllViews();
        return OpenResult::Failed;
    }
    if (const int step = cachedUnderOwnName(m_fileName, header.stepCount)) {
        m_reporter.report("The file " + m_filePath + " has the name of the cache file of its step " + std::to_string(step)
                          + ", which would overwrite it; rename the file to open it.");
        clearContents();
        emit updateAllViews();
        return OpenResult::Failed;
    }
    m_header = header;

    try {
        m_grid.setUp(m_header.itemCount, m_header.columnCount, m_header.rowCount, m_fileDirectory);
    } catch (const std::bad_alloc &) {
        m_reporter.report("There is not enough memory to hold one step of " + m_fileName + ".");
        clearContents();
        emit updateAllViews();
        return OpenResult::Failed;
    }

    // Each step's cache file is written while the step is read, as its values become final.
    const auto writeReadValues = [this](std::size_t valueCount) { m_grid.writeStepUpTo(valueCount); };
    for (int step = 1; step <= m_header.stepCount; ++step) {
        bool written = m_grid.beginWriteStep(step);
        if (written) {
            SeamReader::readStep(lines, m_grid, reporter, writeReadValues);
            written = m_grid.endWriteStep();
        }
        if (!written) {
            m_reporter.report(m_grid.errorText());
            removeCacheFiles(step - 1);
            clearContents();
            emit updateAllViews();
            return OpenResult::Failed;
        }
    }
    emit updateAllViews();
    return reporter.count == 0 ? OpenResult::Opened : OpenResult::OpenedWithErrors;
}

void CPlotDoc::DeleteContents()
{
    if (!m_grid.allocated())
        return;
    removeCacheFiles(m_header.stepCount);
    clearContents();
}

bool CPlotDoc::loadStep(int step)
{
    if (!isLoaded() || step < 1 || step > m_header.stepCount) {
        // A cache name outside the open file's steps may be a stale file of another one.
        m_reporter.report("Step " + std::to_string(step) + " is not a step of the open file.");
        return false;
    }
    if (m_grid.ReadStep(step))
        return true;
    m_reporter.report(m_grid.errorText());
    return false;
}

void CPlotDoc::removeCacheFiles(int lastStep)
{
    for (int step = 1; step <= lastStep; ++step) {
        const std::string name = m_grid.CacheFileName(step);
        std::error_code error;
        // A file another program already removed is gone as wished; only one
        // that stays is reported, and the removal of the rest goes on.
        if (!std::filesystem::remove(name, error) && error)
            m_reporter.report("Cannot remove the step cache file " + name + " (" + error.message() + ").");
    }
}

void CPlotDoc::clearContents()
{
    m_grid.release();
    // An empty document keeps nothing of the file: no sizes, names or file strings.
    m_header = SeamHeader();
    m_fileTitle.clear();
    m_fileName.clear();
    m_filePath.clear();
    m_fileDirectory.clear();
}
