#include "view/ColSqCells.h"

#include "data/StepGrid.h"
#include "view/Canvas.h"
#include "view/ScaleBands.h"

#include <QImage>

namespace ColSqCells {

void drawRuns(const StepGrid &grid, int item, const std::array<float, 11> &scaleTable,
              const std::array<QRgb, 10> &colors, const Edges &edges, Canvas &canvas)
{
    const int rowCount = grid.rowCount();
    for (int ix = 0; ix < grid.columnCount(); ++ix) {
        const int left = edges.columnEdges[ix];
        const int right = edges.columnEdges[ix + 1];
        const StepGrid::Column column = grid.values[ix];
        int previous = BandIndex(scaleTable, column[0][item]);
        int runStart = 0;
        for (int iy = 1; iy < rowCount; ++iy) {
            const int band = BandIndex(scaleTable, column[iy][item]);
            if (band == previous)
                continue;
            canvas.fillRect({left, edges.rowEdges[iy], right, edges.rowEdges[runStart]}, QColor(colors[previous]));
            runStart = iy;
            previous = band;
        }
        canvas.fillRect({left, edges.rowEdges[rowCount], right, edges.rowEdges[runStart]}, QColor(colors[previous]));
    }
}

namespace {

// For each logical unit from edges.front() on, the cell whose edges hold it.
// Edges are whole units, so every unit lies in exactly one cell; a cell
// narrower than a unit holds none, as it gets no fill of its own either.
std::vector<int> cellOfUnit(const std::vector<int> &edges)
{
    std::vector<int> cells;
    cells.reserve(static_cast<std::size_t>(edges.back() - edges.front()));
    for (std::size_t cell = 0; cell + 1 < edges.size(); ++cell) {
        for (int unit = edges[cell]; unit < edges[cell + 1]; ++unit)
            cells.push_back(static_cast<int>(cell));
    }
    return cells;
}

} // namespace

void drawImage(const StepGrid &grid, int item, const std::array<float, 11> &scaleTable,
               const std::array<QRgb, 10> &colors, const Edges &edges, Canvas &canvas)
{
    const int width = edges.columnEdges.back() - edges.columnEdges.front();
    const int height = edges.rowEdges.back() - edges.rowEdges.front();
    // The grid takes 600 units of the page; more, or edges that do not rise, come
    // only of a layout float32 cannot hold. That, nothing to see, or too large an
    // image for this machine: the runs draw it.
    constexpr int largestSide = 10000;
    std::vector<int> columnOf;
    std::vector<int> rowOf;
    QImage image;
    if (width > 0 && height > 0 && width <= largestSide && height <= largestSide) {
        columnOf = cellOfUnit(edges.columnEdges);
        rowOf = cellOfUnit(edges.rowEdges);
        if (columnOf.size() == std::size_t(width) && rowOf.size() == std::size_t(height))
            image = QImage(width, height, QImage::Format_RGB32);
    }
    if (image.isNull()) {
        drawRuns(grid, item, scaleTable, colors, edges, canvas);
        return;
    }
    uchar *const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (int x = 0; x < width; ++x) {
        const StepGrid::Column column = grid.values[columnOf[static_cast<std::size_t>(x)]];
        for (int y = 0; y < height; ++y) {
            // The image's first line is the grid's top unit.
            auto *line = reinterpret_cast<QRgb *>(bits + (height - 1 - y) * bytesPerLine);
            line[x] = colors[BandIndex(scaleTable, column[rowOf[static_cast<std::size_t>(y)]][item])];
        }
    }
    const LogicalRect cellsRect{edges.columnEdges.front(), edges.rowEdges.back(), edges.columnEdges.back(),
                                edges.rowEdges.front()};
    canvas.drawImage(cellsRect, image);
}

} // namespace ColSqCells
