#include "export/grid/ItemPlane.h"

#include "data/StepGrid.h"

void copyItemPlane(const StepGrid &grid, int item, RowOrder order, std::vector<float> &plane)
{
    const int columns = grid.columnCount();
    const int rows = grid.rowCount();
    const std::size_t itemCount = static_cast<std::size_t>(grid.itemCount());
    plane.resize(static_cast<std::size_t>(columns) * rows);
    const float *values = grid.data();
    for (int ix = 0; ix < columns; ++ix) {
        const float *cell = values + static_cast<std::size_t>(ix) * rows * itemCount + item;
        for (int iy = 0; iy < rows; ++iy, cell += itemCount) {
            const int row = order == RowOrder::TopFirst ? rows - 1 - iy : iy;
            plane[static_cast<std::size_t>(row) * columns + ix] = *cell;
        }
    }
}
