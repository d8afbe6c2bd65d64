#include "data/OpenedFile.h"

#include "data/GridExtent.h"
#include "data/LineReader.h"
#include "data/Reporter.h"
#include "data/SeamReader.h"
#include "data/StepCache.h"
#include "data/WakeableInput.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <istream>
#include <memory>
#include <new>

namespace {

// Counts what passes through, so the open can tell a clean file from a damaged
// one. Once the open is cancelled nothing passes: a read cut short by the
// cancel finds an end that is not the file's.
class CountingReporter : public Reporter
{
public:
    CountingReporter(Reporter &target, const std::atomic<bool> *cancel) : m_target(target), m_cancel(cancel) {}
    void report(const std::string &message) override
    {
        if (cancelled())
            return;
        ++count;
        m_target.report(message);
    }
    void reportSteps(const std::string &message, int firstStep, int lastStep) override
    {
        if (cancelled())
            return;
        ++count;
        m_target.reportSteps(message, firstStep, lastStep);
    }
    int count = 0;

private:
    bool cancelled() const { return m_cancel && m_cancel->load(); }

    Reporter &m_target;
    const std::atomic<bool> *m_cancel;
};

// Keeps the one message the reading of a step may give, until the open knows
// whether the steps after it repeat it.
class HeldMessage : public Reporter
{
public:
    void report(const std::string &text) override
    {
        message = text;
        held = true;
    }
    std::string message;
    bool held = false;
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
    if (std::string problem = gridExtentProblem(header); !problem.empty())
        return problem;
    const long long perColumn = static_cast<long long>(header.rowCount) * header.itemCount;
    if (perColumn > StepGrid::maxValueCount / header.columnCount)
        return "one step holds more values than the program can keep in memory";
    return {};
}

// The fewest bytes one step's data lines can take: a line of one character and
// its line end per element, the last line perhaps without its end.
long long leastStepBytes(const SeamHeader &header)
{
    return 2LL * header.columnCount * header.rowCount - 1;
}

// How many cache files the data after the header can fill at most.
int mostCacheFiles(const SeamHeader &header, long long dataBytes)
{
    if (dataBytes < 0)
        return header.stepCount;
    return static_cast<int>(std::min<long long>(header.stepCount, dataBytes / leastStepBytes(header) + 1));
}

long long regularFileSize(const std::string &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return -1;
    const auto size = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<long long>(size);
}

OpenResult readWhole(const std::string &chosenPath, Reporter &target, OpenedFile &file, OpenWatch *watch)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(chosenPath, error);
    const std::string filePath = error ? chosenPath : absolute.string();

    // A cancel ends a wait for a slow pipe's data at once.
    WakeableInput input(filePath, watch ? &watch->wake : nullptr);
    const int openError =
        input.openError() != 0 ? input.openError() : (std::filesystem::is_directory(filePath, error) ? EISDIR : 0);
    if (openError != 0) {
        target.report("Cannot open the file " + filePath + " (" + std::strerror(openError) + ").");
        return OpenResult::Failed;
    }
    std::istream in(&input);
    const FilePath names = FilePath::split(filePath);
    const long long fileSize = regularFileSize(filePath);
    if (watch)
        watch->fileSize = fileSize;

    const std::atomic<bool> *cancel = watch ? &watch->cancel : nullptr;
    CountingReporter reporter(target, cancel);
    LineReader lines(in, 2 << 20);
    // Fields a damaged first line leaves unread are zero, never an earlier file's sizes.
    SeamHeader header;
    std::string countBeyondInt;
    if (SeamReader::readHeader(lines, header, reporter, countBeyondInt) != SeamReader::Status::Ok)
        return OpenResult::Failed;
    if (const std::string problem = countBeyondInt.empty() ? gridProblem(header) : countBeyondInt;
        !problem.empty()) {
        reporter.report("The header of " + names.fileName + " does not describe a grid: " + problem + ".");
        return OpenResult::Failed;
    }
    // A header claiming more than the file can hold costs nothing: checked before anything is allocated.
    const long long dataBytes = fileSize < 0 ? -1 : fileSize - static_cast<long long>(lines.consumed());
    if (dataBytes >= 0 && leastStepBytes(header) > dataBytes) {
        reporter.report("The header of " + names.fileName + " does not fit the file: one step of "
                        + std::to_string(header.columnCount) + " x " + std::to_string(header.rowCount)
                        + " elements needs at least " + std::to_string(leastStepBytes(header))
                        + " bytes of data lines, and the file has " + std::to_string(dataBytes)
                        + " bytes after its header.");
        return OpenResult::Failed;
    }

    const auto cache = std::make_shared<StepCache>(names.fileDirectory, mostCacheFiles(header, dataBytes));
    StepGrid grid;
    grid.setUp(header.itemCount, header.columnCount, header.rowCount, cache);
    OpenObserver *observer = watch ? watch->observer : nullptr;
    if (watch)
        watch->stepCount = header.stepCount;
    if (observer)
        observer->onHeaderRead(names, header, cache);
    // From the first step the file does not hold whole on, no step is the file's:
    // after a cut nothing follows, after a damaged line the rest is out of place.
    int firstIncompleteStep = 0;
    const auto incompleteFrom = [&](int step) {
        if (firstIncompleteStep == 0)
            firstIncompleteStep = step;
        if (watch)
            watch->firstIncompleteStep = firstIncompleteStep;
    };
    StepRanges ranges(header.stepCount, header.itemCount);
    const auto undo = [&](const std::string &message, OpenResult result) {
        if (!message.empty())
            reporter.report(message);
        cache->removeFiles(&reporter);
        return result;
    };

    for (int step = 1; step <= header.stepCount; ++step) {
        if (watch)
            watch->step = step;
        if (cancel && cancel->load())
            return undo({}, OpenResult::Cancelled);
        if (step > 1 && lines.atEnd()) {
            // Every step left lies wholly beyond the end: each holds what the
            // grid holds, and they share the last file.
            incompleteFrom(step);
            cache->shareAfterLastStep();
            ranges.repeatAfter(step - 1);
            if (observer)
                observer->onStepsReady(header.stepCount);
            reporter.reportSteps(SeamReader::emptyDataLine, step, header.stepCount);
            break;
        }
        if (!grid.beginWriteStep(step))
            return undo(grid.errorText(), OpenResult::Failed);
        HeldMessage held;
        std::size_t valuesRead = 0;
        const auto status = SeamReader::readStep(
            lines, grid, held,
            [&](std::size_t count) {
                // The values are final up to count: their ranges are taken while they are at hand.
                ranges.addValues(step, grid.data(), valuesRead, count);
                valuesRead = count;
                grid.writeStepUpTo(count);
                if (watch)
                    watch->bytesRead = static_cast<long long>(lines.consumed());
            },
            cancel);
        if (status == SeamReader::Status::Cancelled)
            return undo({}, OpenResult::Cancelled);
        if (status != SeamReader::Status::Ok)
            incompleteFrom(step);
        const bool inputEnded = status == SeamReader::Status::EmptyLine && lines.atEnd();
        const bool holdsNothingNew = inputEnded && valuesRead == 0 && step > 1;
        if (holdsNothingNew) {
            cache->shareFromStep(step);
        } else {
            // The values not read keep what the grid held, and the file holds them too.
            ranges.addValues(step, grid.data(), valuesRead, grid.valueCount());
            if (!grid.endWriteStep())
                return undo(grid.errorText(), OpenResult::Failed);
        }
        if (inputEnded) {
            // The steps after this one read the end at once: one message for the run.
            cache->shareAfterLastStep();
            ranges.repeatAfter(holdsNothingNew ? step - 1 : step);
            if (observer)
                observer->onStepsReady(header.stepCount);
            reporter.reportSteps(held.message, step, header.stepCount);
            break;
        }
        if (observer)
            observer->onStepsReady(step);
        if (held.held)
            reporter.report(held.message);
    }
    if (cancel && cancel->load())
        return undo({}, OpenResult::Cancelled);
    if (watch)
        watch->bytesRead = static_cast<long long>(lines.consumed());

    file.filePath = filePath;
    file.names = names;
    file.header = header;
    file.grid = std::move(grid);
    file.completeSteps = firstIncompleteStep == 0 ? header.stepCount : firstIncompleteStep - 1;
    file.ranges = std::move(ranges);
    return reporter.count == 0 ? OpenResult::Opened : OpenResult::OpenedWithErrors;
}

} // namespace

OpenResult readSeamFile(const std::string &chosenPath, Reporter &reporter, OpenedFile &file, OpenWatch *watch)
{
    try {
        const OpenResult result = readWhole(chosenPath, reporter, file, watch);
        // A header cut short by the cancel is no damaged header.
        return result == OpenResult::Failed && watch && watch->cancel ? OpenResult::Cancelled : result;
    } catch (const std::bad_alloc &) {
        // Whatever the open made is gone with the stack it stood on.
        reporter.report("There is not enough memory to open the file " + chosenPath + ".");
        return OpenResult::Failed;
    }
}
