#include "view_helpers.h"

#include <QFile>
#include <QTest>
#include <QTextStream>

#include <random>

SeamHeader gridHeader(int columns, int rows, float cellSize, float originX, float originY)
{
    SeamHeader header;
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
    return header;
}

void addGridShapes()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<float>("cellSize");
    QTest::addColumn<float>("originX");
    QTest::addColumn<float>("originY");
    QTest::newRow("4 x 2") << 4 << 2 << 10.0f << 0.0f << 0.0f;
    QTest::newRow("example panel") << 80 << 60 << 5.0f << 1000.0f << 2000.0f;
    QTest::newRow("taller than wide") << 3 << 7 << 2.5f << -40.0f << 15.0f;
    QTest::newRow("one row") << 50 << 1 << 3.0f << 0.0f << 0.0f;
}

MemoryGrid::MemoryGrid(int columns, int rows, float cellSize, const CellValue &value, float originX, float originY)
    : header(gridHeader(columns, rows, cellSize, originX, originY))
{
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
