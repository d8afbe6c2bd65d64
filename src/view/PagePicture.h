#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class Canvas;
class QPainter;

// One page of 1024 x 768 logical units (0.01 inch) on white, as the bytes of
// a PNG, SVG or PDF file.
namespace PagePicture {

enum class Format { Png, Svg, Pdf };

// The format named by the file's extension (.png, .svg, .pdf in any case).
std::optional<Format> formatOf(const QString &path);

// Draws the page with the painter at its top-left corner; dpi is the device
// resolution the drawing must scale logical units by. False: nothing drawn.
using PainterDrawing = std::function<bool(QPainter &painter, double dpi)>;
// Draws the page on a canvas. SVG and PDF then come out lean: an SVG written
// directly, a PDF with one fill per colour of the cells.
using CanvasDrawing = std::function<bool(Canvas &canvas)>;

// A PNG of dpi dots per inch, an SVG of 1024 x 768 user units or a PDF page of
// 10.24 x 7.68 inches. Nothing when the drawing fails or the page cannot be
// made; error then says why.
std::optional<QByteArray> encode(Format format, int dpi, const PainterDrawing &drawing, QString &error);
std::optional<QByteArray> encode(Format format, int dpi, const CanvasDrawing &drawing, QString &error);

} // namespace PagePicture
