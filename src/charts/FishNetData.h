#pragma once

#include <QString>

#include <vector>

class StepGrid;
struct SeamHeader;

// The FishNet surface's proportions: the longer side of the grid gets the
// proportionally larger percentage, the shorter side 100.
struct FishNetAspect
{
    double xPercent = 100.0;
    double yPercent = 100.0;
};
FishNetAspect fishNetAspect(int columnCount, int rowCount);

// The heights the surface draws, column outer and row inner: (1,1), (1,2), ...
// Above sampleLimit elements only every stride-th column and row is kept, so a
// large grid stays responsive; the ASCII export reads the grid itself and still
// writes every cell.
struct FishNetTable
{
    static constexpr long long sampleLimit = 250000;

    int gridColumns = 0;
    int gridRows = 0;
    int stride = 1;
    // Sizes of the table as drawn; column i of the table is grid column i * stride + 1.
    int columns = 0;
    int rows = 0;
    std::vector<double> heights;

    bool sampled() const { return stride > 1; }
    double height(int column, int row) const { return heights[static_cast<std::size_t>(column) * rows + row]; }
    // 1-based grid column and row of a table entry, the surface's X and Y.
    int gridColumn(int column) const { return column * stride + 1; }
    int gridRow(int row) const { return row * stride + 1; }
    // What the chart says when it shows a sample; empty when it shows every element.
    QString samplingNote() const;
};

// Whether the surface's wires stand apart in a window of this size, in pixels.
// Closer than a few pixels they merge into a dark block that hides the surface's
// colours: the surface is then drawn without them.
bool wiresStandApart(const FishNetTable &table, int windowWidth, int windowHeight);

// The table of item k at the step the grid holds; empty when k is not an item of the grid.
FishNetTable fishNetTable(const StepGrid &grid, int k);
