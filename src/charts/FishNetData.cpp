#include "charts/FishNetData.h"

#include "data/StepGrid.h"

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

QString FishNetTable::samplingNote() const
{
    if (!sampled())
        return {};
    return QStringLiteral("Sampled surface: one column and row in %1 of the %2 x %3 elements")
        .arg(stride)
        .arg(gridColumns)
        .arg(gridRows);
}
