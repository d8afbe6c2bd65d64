#pragma once

#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "support/RecordingReporter.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

using CellValue = std::function<float(int ix, int iy)>;

// One step of one item held in memory, as a document would hold it after File Open.
struct MemoryGrid
{
    MemoryGrid(int columns, int rows, float cellSize, const CellValue &value, float originX = 0.0f,
               float originY = 0.0f);

    SeamHeader header;
    StepGrid grid;
};
