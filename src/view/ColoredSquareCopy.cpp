#include "view/ColoredSquareCopy.h"

#include "data/CPlotDoc.h"
#include "view/DrawColoredSquare.h"
#include "view/QPainterCanvas.h"
#include "view/SvgCanvas.h"

#include <QMimeData>
#include <QPainter>

namespace ColoredSquareCopy {

namespace {

// The page of 1024 x 768 logical units fills the frame.
constexpr QSizeF svgFrameMillimetres(256.0, 192.0);

// The bitmap holds the page at 100 dots per inch: one pixel per logical unit.
constexpr double bitmapDpi = 100.0;

} // namespace

QByteArray svg(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, ReadoutGeometry &readout)
{
    SvgCanvas canvas(QSize(CPlotDoc::pageWidth, CPlotDoc::pageHeight), svgFrameMillimetres, "Sembla",
                     "Colored Square Plot");
    DrawColoredSquare(document, settings, layout, canvas, readout);
    return canvas.finish();
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
