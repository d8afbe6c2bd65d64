#include "view/ColoredSquareCopy.h"

#include "data/CPlotDoc.h"
#include "view/DrawColoredSquare.h"
#include "view/QPainterCanvas.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace ColoredSquareCopy {

namespace {

// 10 device units per millimetre: the 256 x 192 mm frame is 2560 x 1920 units,
// and the page of 1024 x 768 logical units fills it at 2.5 units each.
constexpr int svgResolution = 254;
constexpr QSize svgFrame(2560, 1920);
constexpr double svgUnitsPerInch = 100.0 * 2560 / CPlotDoc::pageWidth;

// The bitmap holds the page at 100 dots per inch: one pixel per logical unit.
constexpr double bitmapDpi = 100.0;

} // namespace

QByteArray svg(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, ReadoutGeometry &readout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(svgResolution);
    generator.setSize(svgFrame);
    generator.setViewBox(QRect(QPoint(0, 0), svgFrame));
    generator.setTitle("Sembla");
    generator.setDescription("Colored Square Plot");
    QPainter painter(&generator);
    {
        QPainterCanvas canvas(painter, svgUnitsPerInch);
        DrawColoredSquare(document, settings, layout, canvas, readout);
    }
    painter.end();
    return buffer.data();
}

QImage bitmap(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, ReadoutGeometry &readout)
{
    QImage image(CPlotDoc::pageWidth, CPlotDoc::pageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, bitmapDpi);
    DrawColoredSquare(document, settings, layout, canvas, readout);
    return image;
}

std::unique_ptr<QMimeData> mimeData(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout,
                                    ReadoutGeometry &readout)
{
    auto data = std::make_unique<QMimeData>();
    data->setImageData(bitmap(document, settings, layout, readout));
    // The vector picture last, so its drawing is the one the readout geometry tells of.
    data->setData("image/svg+xml", svg(document, settings, layout, readout));
    return data;
}

} // namespace ColoredSquareCopy
