#include "data/SeamReader.h"

#include "data/LineReader.h"
#include "data/NumberParsing.h"
#include "data/Reporter.h"
#include "data/StepGrid.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <future>
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

// Below this a block is read on the calling thread: starting a thread costs more.
constexpr std::size_t parallelBlockBytes = 256 * 1024;

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

// The threads the step reader uses: the machine's cores, up to four.
unsigned readerThreads()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

} // namespace

void readDataLines(std::string_view block, std::size_t lineCount, float *values, int itemCount, unsigned threads)
{
    const char *first = block.data();
    const char *last = first + block.size();
    if (threads <= 1 || block.size() < parallelBlockBytes || lineCount < threads) {
        readLinesInOrder(first, last, values, itemCount);
        return;
    }
    // Cut the block at line ends into parts of about equal size; each part knows
    // its first element by counting the lines before it.
    std::vector<std::future<void>> parts;
    const std::size_t partBytes = block.size() / threads;
    for (unsigned part = 1; part < threads; ++part) {
        const char *cut = first + partBytes;
        const auto *lf = static_cast<const char *>(std::memchr(cut, '\n', static_cast<std::size_t>(last - cut)));
        if (!lf || lf + 1 >= last)
            break;
        const char *next = lf + 1;
        float *partValues = values;
        parts.push_back(std::async(std::launch::async, readLinesInOrder, first, next, partValues, itemCount));
        values += static_cast<std::size_t>(std::count(first, next, '\n')) * static_cast<std::size_t>(itemCount);
        first = next;
    }
    readLinesInOrder(first, last, values, itemCount);
    for (auto &part : parts)
        part.get();
}

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

Status readStep(LineReader &lines, StepGrid &grid, Reporter &reporter)
{
    const int itemCount = grid.itemCount();
    float *values = grid.data();
    const std::size_t elementCount = static_cast<std::size_t>(grid.columnCount()) * static_cast<std::size_t>(grid.rowCount());
    const unsigned threads = readerThreads();
    std::string_view block;
    std::string_view line;
    // Cache order is the file's order: ix outermost, iy, then k. Whole blocks of
    // lines are read at once; an empty line or the file's end goes the one-line
    // way, which reports it.
    for (std::size_t element = 0; element < elementCount;) {
        float *elementValues = values + element * static_cast<std::size_t>(itemCount);
        if (const std::size_t count = lines.nextLines(elementCount - element, block)) {
            readDataLines(block, count, elementValues, itemCount, threads);
            element += count;
            continue;
        }
        if (!nextLine(lines, line, reporter, "CGR2-1"))
            return Status::EmptyLine;
        readDataLine(line, elementValues, itemCount);
        ++element;
    }
    return Status::Ok;
}

} // namespace SeamReader
