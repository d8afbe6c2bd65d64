#include "view/PagePicture.h"

#include "view/QPainterCanvas.h"
#include "view/SvgCanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace PagePicture {

namespace {

constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;
const QString title = QStringLiteral("Sembla");

// Paints a white page and the drawing on the device; false when either fails.
bool paintPage(QPaintDevice &device, const QSizeF &deviceSize, double dpi, const PainterDrawing &drawing)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.fillRect(QRectF(QPointF(0, 0), deviceSize), Qt::white);
    const bool drawn = drawing(painter, dpi);
    return painter.end() && drawn;
}

std::optional<QByteArray> png(int dpi, const PainterDrawing &drawing, QString &error)
{
    const QSize size(pageWidth * dpi / 100, pageHeight * dpi / 100);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "There is not enough memory for a page of " + QString::number(size.width()) + " x "
                + QString::number(size.height()) + " pixels.";
        return std::nullopt;
    }
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!paintPage(image, size, dpi, drawing) || !image.save(&bytes, "PNG"))
        return std::nullopt;
    return bytes.data();
}

std::optional<QByteArray> pdf(const PainterDrawing &drawing)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setTitle(title);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(pageWidth / 100.0, pageHeight / 100.0), QPageSize::Inch),
                                     QPageLayout::Portrait, QMarginsF()));
    const double resolution = writer.resolution();
    if (!paintPage(writer, QSizeF(pageWidth, pageHeight) * (resolution / 100.0), resolution, drawing))
        return std::nullopt;
    return bytes.data();
}

// The SVG frame shows the page at 0.01 inch per unit.
QSizeF svgFrameMillimetres()
{
    return QSizeF(pageWidth, pageHeight) * 0.254;
}

std::optional<QByteArray> svg(const PainterDrawing &drawing)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&bytes);
    generator.setSize(QSize(pageWidth, pageHeight));
    generator.setViewBox(QRect(0, 0, pageWidth, pageHeight));
    generator.setResolution(100);
    generator.setTitle(title);
    if (!paintPage(generator, QSizeF(pageWidth, pageHeight), 100.0, drawing))
        return std::nullopt;
    return bytes.data();
}

std::optional<QByteArray> svg(const CanvasDrawing &drawing)
{
    SvgCanvas canvas(QSize(pageWidth, pageHeight), svgFrameMillimetres(), title, "Colored Square Plot");
    canvas.fillRect({0, 0, pageWidth, -pageHeight}, Qt::white);
    if (!drawing(canvas))
        return std::nullopt;
    return canvas.finish();
}

} // namespace

std::optional<Format> formatOf(const QString &path)
{
    const QString lower = path.toLower();
    if (lower.endsWith(".png"))
        return Format::Png;
    if (lower.endsWith(".svg"))
        return Format::Svg;
    if (lower.endsWith(".pdf"))
        return Format::Pdf;
    return std::nullopt;
}

std::optional<QByteArray> encode(Format format, int dpi, const PainterDrawing &drawing, QString &error)
{
    std::optional<QByteArray> bytes;
    switch (format) {
    case Format::Png:
        bytes = png(dpi, drawing, error);
        break;
    case Format::Svg:
        bytes = svg(drawing);
        break;
    case Format::Pdf:
        bytes = pdf(drawing);
        break;
    }
    if (!bytes && error.isEmpty())
        error = "The plot could not be drawn.";
    return bytes;
}

std::optional<QByteArray> encode(Format format, int dpi, const CanvasDrawing &drawing, QString &error)
{
    if (format == Format::Svg) {
        std::optional<QByteArray> bytes = svg(drawing);
        if (!bytes)
            error = "The plot could not be drawn.";
        return bytes;
    }
    const auto fills = format == Format::Pdf ? QPainterCanvas::Fills::MergedByColour : QPainterCanvas::Fills::EachRun;
    return encode(format, dpi, PainterDrawing([&drawing, fills](QPainter &painter, double deviceDpi) {
                      QPainterCanvas canvas(painter, deviceDpi, {}, fills);
                      return drawing(canvas);
                  }),
                  error);
}

} // namespace PagePicture
