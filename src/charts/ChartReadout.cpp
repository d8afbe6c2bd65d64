#include "charts/ChartReadout.h"

#include "charts/FishNetData.h"
#include "data/NumberFormat.h"

#include <cmath>

namespace ChartReadout {

namespace {

QString general(double value)
{
    return QString::fromStdString(NumberFormat::general(value));
}

} // namespace

int nearestPoint(const QList<QPointF> &points, double x)
{
    int nearest = -1;
    double distance = 0.0;
    for (int i = 0; i < points.size(); ++i) {
        const double d = std::abs(points[i].x() - x);
        if (nearest < 0 || d < distance) {
            nearest = i;
            distance = d;
        }
    }
    return nearest;
}

QString crossSectionText(CrossSectionDirection direction, int index, const QPointF &point)
{
    // The points are filled one per element in grid order: index 0 is column (or row) 1.
    const QString element = direction == CrossSectionDirection::ParallelToX ? "column " : "row ";
    return element + QString::number(index + 1) + ", position " + general(point.x()) + ", value " + general(point.y());
}

QString historyText(const QPointF &point)
{
    return "step " + QString::number(std::lround(point.x())) + ", value " + general(point.y());
}

QString surfaceText(const FishNetTable &table, int column, int row)
{
    if (column < 0 || column >= table.columns || row < 0 || row >= table.rows)
        return {};
    return "column " + QString::number(table.gridColumn(column)) + ", row " + QString::number(table.gridRow(row))
           + ", value " + general(table.height(column, row));
}

} // namespace ChartReadout
