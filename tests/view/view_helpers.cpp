#include "view_helpers.h"

#include <QFile>
#include <QTextStream>

#include <random>

MemoryGrid::MemoryGrid(int columns, int rows, float cellSize, const CellValue &value, float originX, float originY)
{
    header.stepCount = 1;
    header.cellSize = cellSize;
    header.columnCount = columns;
    header.rowCount = rows;
    header.originX = originX;
    header.originY = originY;
    header.itemCount = 1;
    header.unitCount = 1;
    header.itemNames[0] = "Vertical Stress";
    header.itemUnits[0] = "MPa";
    grid.setUp(1, columns, rows);
    for (int ix = 0; ix < columns; ++ix) {
        for (int iy = 0; iy < rows; ++iy)
            grid.values[ix][iy][0] = value(ix, iy);
    }
}

QImage whitePage(int dpi)
{
    QImage page(1024 * dpi / 100, 768 * dpi / 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

std::vector<float> randomCells(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> values(0.0f, 10.0f);
    std::vector<float> cells(static_cast<std::size_t>(count));
    for (float &cell : cells)
        cell = values(random);
    return cells;
}
