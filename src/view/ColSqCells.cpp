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

void drawImage(const StepGrid &grid, int item, const std::array<float, 11> &scaleTable,
               const std::array<QRgb, 10> &colors, const Edges &edges, Canvas &canvas)
{
    const int columnCount = grid.columnCount();
    const int rowCount = grid.rowCount();
    QImage image(columnCount, rowCount, QImage::Format_RGB32);
    if (image.isNull()) {
        // Too large an image for this machine: the runs still draw it.
        drawRuns(grid, item, scaleTable, colors, edges, canvas);
        return;
    }
    uchar *const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (int ix = 0; ix < columnCount; ++ix) {
        const StepGrid::Column column = grid.values[ix];
        for (int iy = 0; iy < rowCount; ++iy) {
            // The image's first line is the grid's top row.
            auto *line = reinterpret_cast<QRgb *>(bits + (rowCount - 1 - iy) * bytesPerLine);
            line[ix] = colors[BandIndex(scaleTable, column[iy][item])];
        }
    }
    canvas.drawImage({edges.columnEdges[0], edges.rowEdges[rowCount], edges.columnEdges[columnCount], edges.rowEdges[0]},
                     image);
}

} // namespace ColSqCells
