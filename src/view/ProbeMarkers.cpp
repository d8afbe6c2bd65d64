#include "view/ProbeMarkers.h"

#include "model/ProbeSet.h"
#include "view/DrawColoredSquare.h"
#include "view/ScreenPixels.h"

#include <QPainter>

#include <algorithm>

namespace ProbeMarkers {

namespace {

// A window's outline reaches this many pixels out of its cells, and as many in.
constexpr int windowStraddle = 2;

// The band of the given thickness just inside the rectangle, pixel exact: four
// fills, no pen, so no antialiasing blurs the lines.
void fillFrame(QPainter &painter, const QRect &outer, int thickness, const QColor &colour)
{
    if (outer.width() <= 2 * thickness || outer.height() <= 2 * thickness) {
        painter.fillRect(outer, colour);
        return;
    }
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), thickness), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - thickness + 1, outer.width(), thickness), colour);
    const int sideHeight = outer.height() - 2 * thickness;
    painter.fillRect(QRect(outer.left(), outer.top() + thickness, thickness, sideHeight), colour);
    painter.fillRect(QRect(outer.right() - thickness + 1, outer.top() + thickness, thickness, sideHeight), colour);
}

QRect centredSquare(const QRect &around, int side)
{
    QRect square(0, 0, side, side);
    square.moveCenter(around.center());
    return square;
}

// Black outside, the colour, white inside; colourThickness 0 fills the rest with the colour.
void drawLayered(QPainter &painter, QRect outer, int colourThickness, const QColor &colour)
{
    fillFrame(painter, outer, 1, Qt::black);
    outer.adjust(1, 1, -1, -1);
    if (colourThickness == 0) {
        fillFrame(painter, outer, 1, Qt::white);
        painter.fillRect(outer.adjusted(1, 1, -1, -1), colour);
        return;
    }
    fillFrame(painter, outer, colourThickness, colour);
    outer.adjust(colourThickness, colourThickness, -colourThickness, -colourThickness);
    fillFrame(painter, outer, 1, Qt::white);
}

Marker markerOf(const Probe &probe, const QRect &cells)
{
    const QColor colour = QColor::fromRgb(ProbeSet::colours[static_cast<std::size_t>(probe.colour)]);
    if (probe.kind == Probe::Kind::Window)
        return {Marker::Shape::Window, cells,
                cells.adjusted(-windowStraddle, -windowStraddle, windowStraddle, windowStraddle), colour};
    const int across = std::min(cells.width(), cells.height());
    if (across < ringCellPixels)
        return {Marker::Shape::Dot, cells, centredSquare(cells, dotPixels), colour};
    // A margin of the cell's own colour around the ring shows which cell it marks.
    return {Marker::Shape::Ring, cells, centredSquare(cells, across - 2 * std::max(2, across / 6)), colour};
}

} // namespace

std::vector<Marker> markers(const ProbeSet &probes, const ReadoutGeometry &drawing)
{
    const std::vector<int> &columnEdges = drawing.cellEdges.columnEdges;
    const std::vector<int> &rowEdges = drawing.cellEdges.rowEdges;
    const int columns = static_cast<int>(columnEdges.size()) - 1;
    const int rows = static_cast<int>(rowEdges.size()) - 1;
    std::vector<Marker> shown;
    for (const Probe &probe : probes.probes()) {
        if (probe.minX < 1 || probe.minY < 1 || probe.maxX > columns || probe.maxY > rows)
            continue;
        const LogicalRect cells{columnEdges[std::size_t(probe.minX - 1)], rowEdges[std::size_t(probe.maxY)],
                                columnEdges[std::size_t(probe.maxX)], rowEdges[std::size_t(probe.minY - 1)]};
        shown.push_back(markerOf(probe, ScreenPixels::pixels(drawing.drawMapping, cells)));
    }
    return shown;
}

void draw(QPainter &painter, const std::vector<Marker> &markers)
{
    for (const Marker &marker : markers) {
        switch (marker.shape) {
        case Marker::Shape::Dot:
            drawLayered(painter, marker.mark, 0, marker.colour);
            break;
        case Marker::Shape::Ring:
            drawLayered(painter, marker.mark, std::clamp(marker.mark.width() / 8, 2, 4), marker.colour);
            break;
        case Marker::Shape::Window:
            drawLayered(painter, marker.mark, 2, marker.colour);
            break;
        }
    }
}

} // namespace ProbeMarkers
