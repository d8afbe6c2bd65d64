#include "data/GridExtent.h"

#include "data/Float32.h"
#include "data/NumberFormat.h"
#include "data/SeamHeader.h"

#include <cfloat>
#include <algorithm>
#include <cmath>

GridExtent GridExtent::of(const SeamHeader &header)
{
    const double cellSize = header.cellSize;
    GridExtent e;
    e.left = header.originX;
    e.right = roundedToFloat(double(header.originX) + header.columnCount * cellSize);
    e.bottom = header.originY;
    e.top = roundedToFloat(double(header.originY) + header.rowCount * cellSize);
    e.width = roundedToFloat(double(e.right) - e.left);
    e.height = roundedToFloat(double(e.top) - e.bottom);
    return e;
}

std::string gridExtentProblem(const SeamHeader &header)
{
    const GridExtent extent = GridExtent::of(header);
    // In double, so that the test itself cannot overflow; an infinite side fails it too.
    const double room = 2.0 * extent.side();
    const bool fits = std::fabs(double(extent.left)) + room <= FLT_MAX
                      && std::fabs(double(extent.bottom)) + room <= FLT_MAX;
    if (!fits)
        return "its " + std::to_string(header.columnCount) + " x " + std::to_string(header.rowCount) + " cells of "
               + NumberFormat::general(header.cellSize) + " from (" + NumberFormat::general(header.originX) + ", "
               + NumberFormat::general(header.originY)
               + ") and the plot around them reach beyond the range of 32-bit floating-point numbers ("
               + NumberFormat::general(FLT_MAX) + " at most)";
    // The page scale of a plot this small, or its offsets for one this far from its
    // size, would be infinite in float32: no drawing, readout or DXF could be made.
    const double farthest = std::max(std::fabs(double(extent.left)), std::fabs(double(extent.bottom))) + room;
    if (1000.0 * std::max(1.0, farthest) / extent.side() <= FLT_MAX)
        return {};
    return "its cells of " + NumberFormat::general(header.cellSize) + " from (" + NumberFormat::general(header.originX)
           + ", " + NumberFormat::general(header.originY)
           + ") are too small for the plot's scale in 32-bit floating-point numbers";
}
