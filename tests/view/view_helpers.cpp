#include "view_helpers.h"

#include <QFile>
#include <QTextStream>

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
