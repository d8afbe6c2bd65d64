#pragma once

#include <QRgb>

#include <array>
#include <vector>

class Canvas;
class StepGrid;

// The cells of the Colored Square Plot, either as runs or as one image.
namespace ColSqCells {

// The logical edges of the cells: columnEdges[ix] is the left of column ix and
// columnEdges[columnCount] the grid's right; rowEdges[iy] the bottom of row iy
// and rowEdges[rowCount] the grid's top.
struct Edges
{
    std::vector<int> columnEdges;
    std::vector<int> rowEdges;
};

// Below this many device pixels a cell on screen goes through an image: one
// fill per run cannot keep up with grids of many small cells.
constexpr double imageCellPixels = 4.0;

// Column by column, bottom to top, one fill per run of cells in the same band.
void drawRuns(const StepGrid &grid, int item, const std::array<float, 11> &scaleTable,
              const std::array<QRgb, 10> &colors, const Edges &edges, Canvas &canvas);

// One pixel per logical unit in the band colour of the cell whose edges hold
// it, scaled into the grid's rectangle: the same cells as the runs, in one image
// whose size does not grow with the grid.
void drawImage(const StepGrid &grid, int item, const std::array<float, 11> &scaleTable,
               const std::array<QRgb, 10> &colors, const Edges &edges, Canvas &canvas);

} // namespace ColSqCells
