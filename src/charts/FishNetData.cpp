#include "charts/FishNetData.h"

#include "data/StepGrid.h"

#include <algorithm>

FishNetAspect fishNetAspect(int columnCount, int rowCount)
{
    const double nx = columnCount;
    const double ny = rowCount;
    if (nx >= ny)
        return {100.0 * nx / ny, 100.0};
    return {100.0, 100.0 * ny / nx};
}

namespace {

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

} // namespace

FishNetTable fishNetTable(const StepGrid &grid, int k)
{
    FishNetTable table;
    if (!grid.allocated() || k < 0 || k >= grid.itemCount())
        return table;
    table.gridColumns = grid.columnCount();
    table.gridRows = grid.rowCount();
    while (static_cast<long long>(ceilDiv(table.gridColumns, table.stride)) * ceilDiv(table.gridRows, table.stride)
           > FishNetTable::sampleLimit)
        ++table.stride;
    table.columns = ceilDiv(table.gridColumns, table.stride);
    table.rows = ceilDiv(table.gridRows, table.stride);
    table.heights.reserve(static_cast<std::size_t>(table.columns) * table.rows);
    for (int i = 0; i < table.columns; ++i)
        for (int j = 0; j < table.rows; ++j)
            table.heights.push_back(grid.values[i * table.stride][j * table.stride][k]);
    return table;
}

bool wiresStandApart(const FishNetTable &table, int windowWidth, int windowHeight)
{
    // Under the first camera the surface's longer side takes about 0.55 of the
    // window's shorter side, and neighbouring wires stay apart from 3 pixels on.
    constexpr double sideShare = 0.55;
    constexpr double apartPixels = 3.0;
    const int wires = std::max(table.columns, table.rows);
    if (wires < 1)
        return true;
    return sideShare * std::min(windowWidth, windowHeight) / wires >= apartPixels;
}

QString FishNetTable::samplingNote() const
{
    if (!sampled())
        return {};
    return QStringLiteral("Sampled surface: one column and row in %1 of the %2 x %3 elements")
        .arg(stride)
        .arg(gridColumns)
        .arg(gridRows);
}
