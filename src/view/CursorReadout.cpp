#include "view/CursorReadout.h"

#include "data/NumberFormat.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PlotSettings.h"

#include <cmath>

namespace CursorReadout {

int HitTestCell(QPoint devicePoint, const PlotSettings &settings, bool fileLoaded, const SeamHeader &header,
                const ColSqLayout &layout, const ReadoutGeometry &geometry)
{
    if (settings.plotType != PlotType::ColoredSquare || !fileLoaded || !settings.colSqDrawn)
        return 0;
    if (!geometry.gridDeviceRect.contains(devicePoint))
        return 0;
    bool invertible = false;
    const QTransform toLogical = geometry.drawMapping.inverted(&invertible);
    if (!invertible)
        return 0;
    // Device to logical units in whole units, as the drawing's coordinates are.
    const QPoint logical = toLogical.map(devicePoint);
    const float wx = layout.WorldX(logical.x());
    const float wy = layout.WorldY(logical.y());
    const double column = std::trunc((wx - (double(header.originX) + layout.padX)) / header.cellSize);
    const double row = std::trunc((wy - (double(header.originY) + layout.padY)) / header.cellSize);
    if (!(column >= 0 && column < header.columnCount && row >= 0 && row < header.rowCount))
        return 0;
    return static_cast<int>(column) * header.rowCount + static_cast<int>(row) + 1;
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
