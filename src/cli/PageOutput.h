#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPainter;

// One page of 1024 x 768 logical units (0.01 inch) written to a file.
namespace PageOutput {

enum class Format { Png, Svg, Pdf };

// The format named by the file's extension (.png, .svg, .pdf in any case).
std::optional<Format> formatOf(const QString &path);

// Draws the page with the painter at its top-left corner; dpi is the device
// resolution the drawing must scale logical units by. False: nothing drawn.
using Drawing = std::function<bool(QPainter &painter, double dpi)>;

// Paints a white page, runs the drawing on it and writes the file: a PNG of
// dpi dots per inch, an SVG of 1024 x 768 user units, or a PDF page of
// 10.24 x 7.68 inches. On failure returns false with the reason in error; a
// drawing that fails leaves no file.
bool write(const QString &path, Format format, int dpi, const Drawing &drawing, QString &error);

} // namespace PageOutput
