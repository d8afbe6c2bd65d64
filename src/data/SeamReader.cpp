#include "data/SeamReader.h"

#include "data/BlockReaders.h"
#include "data/LineReader.h"
#include "data/NumberParsing.h"
#include "data/Reporter.h"
#include "data/StepGrid.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace SeamReader {

const char *const emptyDataLine = "Read an empty line in the input file - CGR2-1";

namespace {

bool nextLine(LineReader &lines, std::string_view &line, Reporter &reporter, const char *code)
{
    if (lines.next(line) && !line.empty())
        return true;
    reporter.report(std::string("Read an empty line in the input file - ") + code);
    return false;
}

std::string beyondIntText(const char *count, bool negative)
{
    return std::string("the number of ") + count + (negative ? " is less than " : " is more than ")
           + std::to_string(negative ? INT_MIN : INT_MAX);
}

// A scanned integer into its int32 field, held at the nearest end of the range.
bool narrowed(long long written, int &field)
{
    field = static_cast<int>(std::clamp<long long>(written, INT_MIN, INT_MAX));
    return written == field;
}

} // namespace

std::string scanFirstHeaderLine(std::string_view line, SeamHeader &header)
{
    // The header is three short lines: the C library's own scan is its exact
    // definition. It scans into long long, so that no integer wraps into its
    // field; fields it does not reach keep their values.
    const std::string text(line);
    long long steps = header.stepCount;
    long long ignored = header.ignoredValue;
    long long columns = header.columnCount;
    long long rows = header.rowCount;
    std::sscanf(text.c_str(), "%lli, %lli, %f, %lli, %lli, %f, %f", &steps, &ignored, &header.cellSize, &columns,
                &rows, &header.originX, &header.originY);
    narrowed(ignored, header.ignoredValue); // read by nothing: no reason to refuse the file
    std::string beyond;
    const auto count = [&beyond](long long written, int &field, const char *name) {
        if (!narrowed(written, field) && beyond.empty())
            beyond = beyondIntText(name, written < 0);
    };
    count(steps, header.stepCount, "steps");
    count(columns, header.columnCount, "columns");
    count(rows, header.rowCount, "rows");
    return beyond;
}

int readNameList(std::string_view line, std::array<std::string, SeamHeader::maxItems> &slots, bool &countBeyondInt)
{
    const std::size_t firstComma = line.find(',');
    const int count = NumberParsing::leadingInt(line.substr(0, firstComma), countBeyondInt);
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

Status readHeader(LineReader &lines, SeamHeader &header, Reporter &reporter, std::string &countBeyondInt)
{
    countBeyondInt.clear();
    std::string_view line;
    if (!nextLine(lines, line, reporter, "CHR2-1"))
        return Status::EmptyLine;
    countBeyondInt = scanFirstHeaderLine(line, header);
    const auto nameList = [&](std::array<std::string, SeamHeader::maxItems> &slots, const char *name) {
        bool beyond = false;
        const int count = readNameList(line, slots, beyond);
        if (beyond && countBeyondInt.empty())
            countBeyondInt = beyondIntText(name, count < 0);
        return count;
    };
    if (!nextLine(lines, line, reporter, "CHR2-2"))
        return Status::EmptyLine;
    header.itemCount = nameList(header.itemNames, "stress items");
    if (!nextLine(lines, line, reporter, "CHR2-3"))
        return Status::EmptyLine;
    header.unitCount = nameList(header.itemUnits, "units");
    return Status::Ok;
}

Status readStep(LineReader &lines, StepGrid &grid, Reporter &reporter, const ValuesRead &valuesRead,
                const std::atomic<bool> *cancel)
{
    const auto itemCount = static_cast<std::size_t>(grid.itemCount());
    const std::size_t elementCount = static_cast<std::size_t>(grid.columnCount()) * static_cast<std::size_t>(grid.rowCount());
    BlockReaders readers(grid.data(), grid.itemCount());
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
        tell(readers.waitForOlder(element));
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            readers.waitForAll();
            return Status::Cancelled;
        }
        const std::size_t maxLines = std::min(elementCount - element, BlockReaders::maxLines);
        if (const std::size_t count = lines.nextLines(maxLines, block, readers.nextLineEnds())) {
            readers.start(block, element);
            element += count;
            continue;
        }
        // No block is in work while a message may be up: showing it, the
        // program handles its events meanwhile.
        readers.waitForAll();
        if (!nextLine(lines, line, reporter, "CGR2-1"))
            break;
        readDataLine(line, grid.data() + element * itemCount, grid.itemCount());
        ++element;
    }
    readers.waitForAll();
    tell(element);
    return element == elementCount ? Status::Ok : Status::EmptyLine;
}

} // namespace SeamReader
