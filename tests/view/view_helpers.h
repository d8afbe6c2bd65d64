#pragma once

#include "data/Reporter.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

// Keeps every message, so a test sees what a user would have been shown.
class RecordingReporter : public Reporter
{
public:
    void report(const std::string &message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

using CellValue = std::function<float(int ix, int iy)>;

// One step of one item held in memory, as a document would hold it after File Open.
struct MemoryGrid
{
    MemoryGrid(int columns, int rows, float cellSize, const CellValue &value, float originX = 0.0f,
               float originY = 0.0f);

    SeamHeader header;
    StepGrid grid;
};

// Sizes and values of a seam output file a test writes; the value of every
// (step, column, row, item), all 0-based except the step.
struct SeamFileContents
{
    int steps = 1;
    int columns = 1;
    int rows = 1;
    int items = 1;
    float cellSize = 10.0f;
    std::function<float(int step, int ix, int iy, int k)> value = [](int, int, int, int) { return 0.0f; };
};

// Writes the file in the seam output format; item k is named "Item k" with unit "U k".
bool writeSeamFile(const QString &path, const SeamFileContents &contents);
