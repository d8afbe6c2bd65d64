#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>

class CPlotDoc;
class QMimeData;
struct ColSqLayout;
struct PlotSettings;
struct ReadoutGeometry;

// The Colored Square Plot for the clipboard: an SVG picture of 256 x 192 mm
// titled "Sembla" and described as "Colored Square Plot", the 1024 x 768 page
// filling it, and a bitmap of the same drawing. Both are drawn with the layout
// and title as they stand; the drawing's readout geometry is left in readout,
// as every completed drawing leaves it.
namespace ColoredSquareCopy {

QByteArray svg(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, ReadoutGeometry &readout);
QImage bitmap(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, ReadoutGeometry &readout);
// Both, as image/svg+xml and image data.
std::unique_ptr<QMimeData> mimeData(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout,
                                    ReadoutGeometry &readout);

} // namespace ColoredSquareCopy
