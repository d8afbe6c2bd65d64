#pragma once

#include "data/SeamHeader.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class LineReader;
class Reporter;
class StepGrid;

// The reading routines of a seam output file, called in the file's order:
// the header once, then one step block after the other.
namespace SeamReader {

enum class Status { Ok, EmptyLine, Cancelled };

// The message of an empty data line.
extern const char *const emptyDataLine;

// Lines 1 to 3. On an empty line reports it and stops; the fields read so
// far are filled, the others keep their values. A count written beyond its
// int32 field is never wrapped: countBeyondInt names the first one ("the
// number of columns is more than 2147483647"), for the caller to refuse the
// file; it is empty when every count fits.
Status readHeader(LineReader &lines, SeamHeader &header, Reporter &reporter, std::string &countBeyondInt);

// Told, on the reading thread and in increasing order, how many leading values
// of the grid are read and stay as they are for the rest of the step.
using ValuesRead = std::function<void(std::size_t valueCount)>;

// One step block of columnCount x rowCount data lines into the grid. On an
// empty line reports it and stops; the values not read keep what they held.
// A cancel flag, when given, is looked at before each block of lines.
Status readStep(LineReader &lines, StepGrid &grid, Reporter &reporter, const ValuesRead &valuesRead = {},
                const std::atomic<bool> *cancel = nullptr);

// Header line 1 as the formatted scan "%i, %i, %f, %i, %i, %f, %f" reads it,
// except that an integer beyond int32 is held at the nearest end of its range
// instead of wrapping. Returns which count that befell, as readHeader names it,
// or empty.
std::string scanFirstHeaderLine(std::string_view line, SeamHeader &header);

// Header lines 2 and 3: an atoi count, then fields 1 .. count trimmed into the
// slots (as many as there are). Returns the count; countBeyondInt tells
// whether the count written lies beyond int32 (the count returned is then held
// at the nearest end of its range).
int readNameList(std::string_view line, std::array<std::string, SeamHeader::maxItems> &slots, bool &countBeyondInt);

// One data line into the itemCount values of an element: field k as atof,
// missing fields 0.0, extra fields ignored.
void readDataLine(std::string_view line, float *values, int itemCount);

} // namespace SeamReader
