#include "data/SeamReader.h"

#include "data/LineReader.h"
#include "data/NumberParsing.h"
#include "data/Reporter.h"
#include "data/StepGrid.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

namespace SeamReader {

namespace {

bool nextLine(LineReader &lines, std::string_view &line, Reporter &reporter, const char *code)
{
    if (lines.next(line) && !line.empty())
        return true;
    reporter.report(std::string("Read an empty line in the input file - ") + code);
    return false;
}

// Below this a block is read as one part: starting a thread costs more.
constexpr std::size_t partBytes = 256 * 1024;

void readLinesInOrder(const char *first, const char *last, float *values, int itemCount)
{
    while (first < last) {
        const auto *lf = static_cast<const char *>(std::memchr(first, '\n', static_cast<std::size_t>(last - first)));
        const char *lineEnd = lf ? lf : last;
        std::size_t length = static_cast<std::size_t>(lineEnd - first);
        if (length > 0 && first[length - 1] == '\r')
            --length;
        readDataLine(std::string_view(first, length), values, itemCount);
        values += itemCount;
        first = lineEnd + 1;
    }
}

std::size_t lineEndsIn(const char *first, const char *last)
{
    std::size_t count = 0;
    while (const auto *lf = static_cast<const char *>(std::memchr(first, '\n', static_cast<std::size_t>(last - first)))) {
        ++count;
        first = lf + 1;
    }
    return count;
}

// The threads the step reader uses: the machine's cores, up to four.
unsigned readerThreads()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

// Blocks of data lines read on other threads while the step reader takes the
// next block from the file. The line reader keeps a block intact through one
// more call, so before each call all but the latest block must be done.
class BlocksInWork
{
public:
    BlocksInWork(float *values, int itemCount)
        : m_values(values), m_itemCount(itemCount), m_threads(readerThreads())
    {
        m_older.reserve(m_threads);
        m_latest.reserve(m_threads);
    }

    // Starts reading the block's whole, non-empty lines (each with its line
    // end) into the elements from firstElement on, cut at line ends into parts
    // of about equal size; each part knows its first element by counting the
    // lines before it.
    void start(std::string_view block, std::size_t firstElement)
    {
        waitFor(m_older);
        m_older.swap(m_latest);
        m_latestFirst = firstElement;
        float *values = m_values + firstElement * static_cast<std::size_t>(m_itemCount);
        const char *first = block.data();
        const char *last = first + block.size();
        const std::size_t parts = std::clamp<std::size_t>(block.size() / partBytes, 1, m_threads);
        const std::size_t bytesPerPart = block.size() / parts;
        for (std::size_t part = 1; part < parts; ++part) {
            const auto *lf = static_cast<const char *>(
                std::memchr(first + bytesPerPart, '\n', static_cast<std::size_t>(last - first - bytesPerPart)));
            if (!lf || lf + 1 >= last)
                break;
            const char *next = lf + 1;
            launch(first, next, values);
            values += lineEndsIn(first, next) * static_cast<std::size_t>(m_itemCount);
            first = next;
        }
        launch(first, last, values);
    }

    // Waits for all but the latest block. Returns how many leading elements
    // are read: those before the latest block, or before nextElement when no
    // block is in work.
    std::size_t waitForOlder(std::size_t nextElement)
    {
        waitFor(m_older);
        return m_latest.empty() ? nextElement : m_latestFirst;
    }

    void waitForAll()
    {
        waitFor(m_older);
        waitFor(m_latest);
    }

private:
    void launch(const char *first, const char *last, float *values)
    {
        try {
            m_latest.push_back(std::async(std::launch::async, readLinesInOrder, first, last, values, m_itemCount));
        } catch (const std::system_error &) {
            readLinesInOrder(first, last, values, m_itemCount); // no thread to be had: read it here
        }
    }

    static void waitFor(std::vector<std::future<void>> &parts)
    {
        for (auto &part : parts)
            part.get();
        parts.clear();
    }

    float *const m_values;
    const int m_itemCount;
    const std::size_t m_threads;
    std::size_t m_latestFirst = 0;
    // Futures of std::async wait for their thread when they go, so no part
    // outlives the reader, whatever ends it.
    std::vector<std::future<void>> m_older;
    std::vector<std::future<void>> m_latest;
};

} // namespace

void scanFirstHeaderLine(std::string_view line, SeamHeader &header)
{
    // The header is three short lines: the C library's own scan is its exact definition.
    const std::string text(line);
    std::sscanf(text.c_str(), "%i, %i, %f, %i, %i, %f, %f", &header.stepCount, &header.ignoredValue,
                &header.cellSize, &header.columnCount, &header.rowCount, &header.originX, &header.originY);
}

int readNameList(std::string_view line, std::array<std::string, SeamHeader::maxItems> &slots)
{
    const std::size_t firstComma = line.find(',');
    const int count = NumberParsing::leadingInt(line.substr(0, firstComma));
    std::string_view rest = firstComma == std::string_view::npos ? std::string_view() : line.substr(firstComma + 1);
    bool haveField = firstComma != std::string_view::npos;
    for (int k = 0; k < count && k < static_cast<int>(slots.size()); ++k) {
        if (!haveField) {
            slots[k].clear();
            continue;
        }
        const std::size_t comma = rest.find(',');
        slots[k] = std::string(NumberParsing::trimmed(rest.substr(0, comma)));
        if (comma == std::string_view::npos)
            haveField = false;
        else
            rest = rest.substr(comma + 1);
    }
    return count;
}

void readDataLine(std::string_view line, float *values, int itemCount)
{
    NumberParsing::fieldValues(line, values, itemCount);
}

Status readHeader(LineReader &lines, SeamHeader &header, Reporter &reporter)
{
    std::string_view line;
    if (!nextLine(lines, line, reporter, "CHR2-1"))
        return Status::EmptyLine;
    scanFirstHeaderLine(line, header);
    if (!nextLine(lines, line, reporter, "CHR2-2"))
        return Status::EmptyLine;
    header.itemCount = readNameList(line, header.itemNames);
    if (!nextLine(lines, line, reporter, "CHR2-3"))
        return Status::EmptyLine;
    header.unitCount = readNameList(line, header.itemUnits);
    return Status::Ok;
}

Status readStep(LineReader &lines, StepGrid &grid, Reporter &reporter, const ValuesRead &valuesRead)
{
    const auto itemCount = static_cast<std::size_t>(grid.itemCount());
    const std::size_t elementCount = static_cast<std::size_t>(grid.columnCount()) * static_cast<std::size_t>(grid.rowCount());
    BlocksInWork inWork(grid.data(), grid.itemCount());
    std::size_t told = 0;
    const auto tell = [&](std::size_t elements) {
        if (valuesRead && elements > told)
            valuesRead(elements * itemCount);
        told = std::max(told, elements);
    };
    std::string_view block;
    std::string_view line;
    // Cache order is the file's order: ix outermost, iy, then k. Whole blocks of
    // lines are read at once, each while the next is taken from the file; an
    // empty line or the file's end goes the one-line way, which reports it.
    std::size_t element = 0;
    while (element < elementCount) {
        tell(inWork.waitForOlder(element));
        if (const std::size_t count = lines.nextLines(elementCount - element, block)) {
            inWork.start(block, element);
            element += count;
            continue;
        }
        if (!nextLine(lines, line, reporter, "CGR2-1"))
            break;
        readDataLine(line, grid.data() + element * itemCount, grid.itemCount());
        ++element;
    }
    inWork.waitForAll();
    tell(element);
    return element == elementCount ? Status::Ok : Status::EmptyLine;
}

} // namespace SeamReader
