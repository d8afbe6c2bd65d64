#pragma once

#include <QPoint>

#include <string>

class StepGrid;
struct PlotSettings;
struct ReadoutGeometry;
struct SeamHeader;

// The cell under the pointer of the Colored Square Plot, as the last
// completed drawing left the grid: n = ix * rowCount + iy + 1, or 0 for none.
namespace CursorReadout {

struct Cell
{
    int ix = 0;
    int iy = 0;
};

// The cell whose colour is under the pixel: the one between whose pixel edges
// the last drawing filled it (ScreenPixels). 0 unless the
// Colored Square Plot is current, a file is loaded and its last drawing
// completed; 0 outside the grid rectangle (its left and top edges count as
// inside, its right and bottom edges do not) and on its top border row.
int HitTestCell(QPoint devicePoint, const PlotSettings &settings, bool fileLoaded, const SeamHeader &header,
                const ReadoutGeometry &geometry);

Cell decode(int cellNumber, int rowCount);

// "x = %3i, y = %3i, %12.5g" of the cell's 1-based column and row and the value
// of colSq.itemIndex in the grid; empty for no cell or one outside the grid.
std::string readoutText(int cellNumber, const SeamHeader &header, const StepGrid &grid, int item);

} // namespace CursorReadout
