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
    grid.setUp(1, columns, rows, std::string());
    for (int ix = 0; ix < columns; ++ix) {
        for (int iy = 0; iy < rows; ++iy)
            grid.values[ix][iy][0] = value(ix, iy);
    }
}

bool writeSeamFile(const QString &path, const SeamFileContents &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out << contents.steps << ", 0, " << contents.cellSize << ", " << contents.columns << ", " << contents.rows
        << ", 0.0, 0.0\n";
    out << contents.items;
    for (int k = 0; k < contents.items; ++k)
        out << ", Item " << k;
    out << '\n' << contents.items;
    for (int k = 0; k < contents.items; ++k)
        out << ", U " << k;
    out << '\n';
    for (int step = 1; step <= contents.steps; ++step) {
        for (int ix = 0; ix < contents.columns; ++ix) {
            for (int iy = 0; iy < contents.rows; ++iy) {
                for (int k = 0; k < contents.items; ++k)
                    out << (k ? ", " : "") << contents.value(step, ix, iy, k);
                out << '\n';
            }
        }
    }
    return out.status() == QTextStream::Ok;
}
