#include "view/CursorReadout.h"

#include "data/NumberFormat.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "view/DrawColoredSquare.h"
#include "model/PlotSettings.h"
#include "view/ScreenPixels.h"

#include <algorithm>
#include <vector>

namespace CursorReadout {

namespace {

// The cell whose pixel edges hold the pixel, or -1: the cell i with
// edge(i) <= pixel < edge(i + 1), where edge(i) is the pixel edge of its
// logical edges[i], rising with i.
template<typename PixelEdge> int cellAt(const std::vector<int> &edges, int pixel, PixelEdge edge)
{
    const auto above = std::partition_point(edges.begin(), edges.end(),
                                            [&](int logical) { return edge(logical) <= pixel; });
    if (above == edges.begin() || above == edges.end())
        return -1;
    return static_cast<int>(above - edges.begin()) - 1;
}

} // namespace

int HitTestCell(QPoint devicePoint, const PlotSettings &settings, bool fileLoaded, const SeamHeader &header,
                const ReadoutGeometry &geometry)
{
    if (settings.plotType != PlotType::ColoredSquare || !fileLoaded || !settings.colSqDrawn)
        return 0;
    const QRect &grid = geometry.gridDeviceRect;
    // The top border row lies inside the rectangle, yet names no cell.
    if (!grid.contains(devicePoint) || devicePoint.y() == grid.top())
        return 0;
    const std::vector<int> &columnEdges = geometry.cellEdges.columnEdges;
    const std::vector<int> &rowEdges = geometry.cellEdges.rowEdges;
    if (columnEdges.size() != std::size_t(header.columnCount) + 1
        || rowEdges.size() != std::size_t(header.rowCount) + 1)
        return 0;
    // A pixel shows the colour of the cell it was filled with: the one between whose pixel edges it lies.
    const QTransform &mapping = geometry.drawMapping;
    const int column = cellAt(columnEdges, devicePoint.x(),
                              [&mapping](int x) { return ScreenPixels::edgeX(mapping, x); });
    // Rows rise upward, device y downward: row iy lies from the top edge's pixel to the bottom edge's.
    const int row = cellAt(rowEdges, -devicePoint.y(),
                           [&mapping](int y) { return 1 - ScreenPixels::edgeY(mapping, y); });
    if (column < 0 || row < 0)
        return 0;
    return column * header.rowCount + row + 1;
}

Cell decode(int cellNumber, int rowCount)
{
    return {(cellNumber - 1) / rowCount, (cellNumber - 1) % rowCount};
}

std::string readoutText(int cellNumber, const SeamHeader &header, const StepGrid &grid, int item)
{
    if (cellNumber <= 0 || header.rowCount <= 0 || !grid.allocated() || item < 0 || item >= grid.itemCount())
        return {};
    const Cell cell = decode(cellNumber, header.rowCount);
    if (cell.ix >= header.columnCount || cell.iy >= header.rowCount || cell.ix >= grid.columnCount()
        || cell.iy >= grid.rowCount())
        return {};
    std::string text = "x = ";
    NumberFormat::appendInteger(text, cell.ix + 1, 3);
    text += ", y = ";
    NumberFormat::appendInteger(text, cell.iy + 1, 3);
    text += ", ";
    NumberFormat::appendGeneral(text, grid.values[cell.ix][cell.iy][item], 5, 12);
    return text;
}

} // namespace CursorReadout
