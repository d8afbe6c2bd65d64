#pragma once

#include "model/PlotEnums.h"

#include <QList>
#include <QPointF>
#include <QString>

struct FishNetTable;

// What the status bar says of the chart point under the pointer.
namespace ChartReadout {

// The point nearest to x along the X axis; -1 when there is none.
int nearestPoint(const QList<QPointF> &points, double x);

// "column 12, position 12.5, value 3.25" of the Cross Section point at index
// (a section parallel to X runs over columns; one parallel to Y, "row 7, ...", over rows).
QString crossSectionText(CrossSectionDirection direction, int index, const QPointF &point);
// "step 12, value 3.25" of a History point.
QString historyText(const QPointF &point);
// "column 3, row 12, value 3.25" of the FishNet point picked in the table;
// empty for a point outside it.
QString surfaceText(const FishNetTable &table, int column, int row);

} // namespace ChartReadout
