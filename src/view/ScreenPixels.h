#pragma once

#include "view/Canvas.h"

#include <QRect>
#include <QTransform>

// Where logical coordinates fall between the pixels of a raster device under
// the page mapping (a scale and a shift). The screen fills every cell between
// these pixel edges and the cursor readout looks a pixel up between the same,
// so what the readout names is what is drawn, at every zoom and scroll.
namespace ScreenPixels {

// The pixel edge nearest to the logical coordinate; a half goes to the larger.
int edgeX(const QTransform &logicalToDevice, double x);
int edgeY(const QTransform &logicalToDevice, double y);

// The pixels between the rectangle's pixel edges.
QRect pixels(const QTransform &logicalToDevice, const LogicalRect &rect);

// An image scaled into the rectangle's pixels, as much of it as lies in bounds,
// and where that part stands: each pixel takes the image pixel between whose
// pixel edges it lies, the image pixels dividing the rectangle evenly. So an
// image of one pixel per logical unit shows each unit exactly on the pixels the
// unit's own edges give. Null when nothing lies in bounds or the mapping
// mirrors the page.
struct PlacedImage
{
    QImage image;
    QPoint topLeft;
};
PlacedImage scaled(const QTransform &logicalToDevice, const LogicalRect &rect, const QImage &image,
                   const QRect &bounds);

} // namespace ScreenPixels
