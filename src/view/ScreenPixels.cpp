#include "view/ScreenPixels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ScreenPixels {

namespace {

int nearestEdge(double device)
{
    return static_cast<int>(std::floor(device + 0.5));
}

// For each pixel from first to last, the part of [low, high] of count parts
// between whose pixel edges it lies; edge(v) rises with v.
template<typename PixelEdge>
std::vector<int> partOfPixel(int first, int last, double low, double high, int count, PixelEdge edge)
{
    std::vector<int> parts(static_cast<std::size_t>(last - first + 1), 0);
    const double span = high - low;
    int from = edge(low);
    for (int part = 0; part < count; ++part) {
        // j * span / count is exactly j when the parts are logical units.
        const int to = edge(low + double(part + 1) * span / count);
        for (int pixel = std::max(from, first); pixel < std::min(to, last + 1); ++pixel)
            parts[static_cast<std::size_t>(pixel - first)] = part;
        from = to;
    }
    return parts;
}

} // namespace

int edgeX(const QTransform &logicalToDevice, double x)
{
    return nearestEdge(logicalToDevice.m11() * x + logicalToDevice.dx());
}

int edgeY(const QTransform &logicalToDevice, double y)
{
    return nearestEdge(logicalToDevice.m22() * y + logicalToDevice.dy());
}

QRect pixels(const QTransform &logicalToDevice, const LogicalRect &rect)
{
    const int x1 = edgeX(logicalToDevice, rect.left);
    const int x2 = edgeX(logicalToDevice, rect.right);
    const int y1 = edgeY(logicalToDevice, rect.top);
    const int y2 = edgeY(logicalToDevice, rect.bottom);
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

PlacedImage scaled(const QTransform &logicalToDevice, const LogicalRect &rect, const QImage &image,
                   const QRect &bounds)
{
    const QRect target = pixels(logicalToDevice, rect) & bounds;
    if (target.isEmpty() || image.isNull() || logicalToDevice.m11() <= 0 || logicalToDevice.m22() >= 0)
        return {};
    const QImage source = image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    const double left = std::min(rect.left, rect.right);
    const double right = std::max(rect.left, rect.right);
    const double top = std::max(rect.top, rect.bottom);
    const double bottom = std::min(rect.top, rect.bottom);
    const std::vector<int> columnOf =
        partOfPixel(target.left(), target.right(), left, right, source.width(),
                    [&logicalToDevice](double x) { return edgeX(logicalToDevice, x); });
    // The image's first line is the rectangle's top; y falls as the pixels go down.
    const std::vector<int> lineOf =
        partOfPixel(target.top(), target.bottom(), -top, -bottom, source.height(),
                    [&logicalToDevice](double negatedY) { return edgeY(logicalToDevice, -negatedY); });
    QImage shown(target.size(), source.format());
    if (shown.isNull())
        return {};
    for (int y = 0; y < shown.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(lineOf[static_cast<std::size_t>(y)]));
        auto *to = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            to[x] = from[columnOf[static_cast<std::size_t>(x)]];
    }
    return {shown, target.topLeft()};
}

} // namespace ScreenPixels
