#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

// A picture of a page of 1024 x 768 units rasterised into an image `width`
// pixels wide by rsvg-convert (librsvg, as desktop programs render SVG),
// pdftoppm (poppler, as PDF viewers do) or pdftocairo (poppler through cairo,
// which fills exactly the pixels a shape covers); nothing when the program is
// not installed. A failing program leaves its complaint in failure.
std::optional<QImage> rasterised(const QString &program, const QByteArray &bytes, int width, QString &failure);

// The pixels of the rectangle lighter, in red, green or blue, than every one of
// the colours: where the white page shows between fills of those colours.
int lightPixels(const QImage &image, const QRect &rect, const std::vector<QRgb> &colours);
