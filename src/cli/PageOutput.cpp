#include "cli/PageOutput.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace PageOutput {

namespace {

constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;

// Paints a white page and the drawing on the device; false when either fails.
bool paintPage(QPaintDevice &device, const QSizeF &deviceSize, double dpi, const Drawing &drawing)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.fillRect(QRectF(QPointF(0, 0), deviceSize), Qt::white);
    const bool drawn = drawing(painter, dpi);
    return painter.end() && drawn;
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

bool write(const QString &path, Format format, int dpi, const Drawing &drawing, QString &error)
{
    // Written beside the target and renamed at the end, so a failure keeps any earlier file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "Cannot write " + path + " (" + file.errorString() + ").";
        return false;
    }
    bool drawn = false;
    switch (format) {
    case Format::Png: {
        const QSize size(pageWidth * dpi / 100, pageHeight * dpi / 100);
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull()) {
            error = "There is not enough memory for a page of " + QString::number(size.width()) + " x "
                    + QString::number(size.height()) + " pixels.";
            return false;
        }
        const int dotsPerMeter = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        drawn = paintPage(image, size, dpi, drawing) && image.save(&file, "PNG");
        break;
    }
    case Format::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(pageWidth, pageHeight));
        generator.setViewBox(QRect(0, 0, pageWidth, pageHeight));
        generator.setResolution(100);
        generator.setTitle("Sembla");
        drawn = paintPage(generator, QSizeF(pageWidth, pageHeight), 100.0, drawing);
        break;
    }
    case Format::Pdf: {
        QPdfWriter writer(&file);
        writer.setTitle("Sembla");
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(pageWidth / 100.0, pageHeight / 100.0), QPageSize::Inch),
                                         QPageLayout::Portrait, QMarginsF()));
        const double resolution = writer.resolution();
        drawn = paintPage(writer, QSizeF(pageWidth, pageHeight) * (resolution / 100.0), resolution, drawing);
        break;
    }
    }
    if (!drawn) {
        file.cancelWriting();
        error = "The plot could not be drawn into " + path + ".";
        return false;
    }
    if (!file.commit()) {
        error = "Cannot write " + path + " (" + file.errorString() + ").";
        return false;
    }
    return true;
}

} // namespace PageOutput
