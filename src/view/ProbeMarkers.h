#pragma once

#include <QColor>
#include <QRect>

#include <vector>

class ProbeSet;
class QPainter;
struct ReadoutGeometry;

// The marks of the pinned probes over the Colored Square Plot on screen. They
// stand on the pixels the last drawing filled the probes' cells on (the same
// edges the cursor readout looks a pixel up between), so a mark is over the
// cell the readout names at every zoom and scroll. Screen only: prints,
// copies and exports show the plot alone.
namespace ProbeMarkers {

// Below this many pixels across, a cell is too small to hold a ring: its probe shows as a dot.
constexpr int ringCellPixels = 16;
// The side of a dot in pixels; it may cover the neighbours of a tiny cell.
constexpr int dotPixels = 11;

struct Marker
{
    enum class Shape { Ring, Dot, Window };

    Shape shape = Shape::Ring;
    // The pixels the probe's cells were filled on.
    QRect cells;
    // What is drawn: the ring's outer square inside the cell, the dot centred on
    // it, or the window's outline straddling its edge.
    QRect mark;
    QColor colour;
};

// One marker per probe whose cells the drawing holds, in the probes' order; a
// probe beyond the drawn grid (of another, smaller file) gets none.
std::vector<Marker> markers(const ProbeSet &probes, const ReadoutGeometry &drawing);

// Each mark in its probe's colour between a black and a white line, so it reads
// on every band colour, black and white included. The painter draws in device pixels.
void draw(QPainter &painter, const std::vector<Marker> &markers);

} // namespace ProbeMarkers
