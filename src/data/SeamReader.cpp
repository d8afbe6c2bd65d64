#include "data/SeamReader.h"

#include "data/BlockReaders.h"
#include "data/LineReader.h"
#include "data/NumberParsing.h"
#include "data/Reporter.h"
#include "data/StepGrid.h"

#include <algorithm>
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
