#include "view/ColSqLayout.h"

#include "data/Float32.h"
#include "data/GridExtent.h"
#include "data/SeamHeader.h"
#include "model/PlotSettings.h"

#include <cmath>

ColSqLayout ColSqLayout::fromHeader(const SeamHeader &header)
{
    // Each field is formed in double from the float32 fields before it and rounded
    // once as it is stored, in this order: the frame depends on every rounding before it.
    const GridExtent extent = GridExtent::of(header);
    ColSqLayout l;
    l.gridLeft = extent.left;
    l.gridRight = extent.right;
    l.gridBottom = extent.bottom;
    l.gridTop = extent.top;
    const float width = extent.width;
    const float height = extent.height;
    l.side = extent.side();
    const double side = l.side;
    l.unit50 = roundedToFloat(side / 50.0);
    l.unit25 = roundedToFloat(side / 25.0);
    l.unit20 = roundedToFloat(side / 20.0);
    l.padX = width <= height ? roundedToFloat((double(height) - width) / 2.0) : 0.0f;
    l.padY = width > height ? roundedToFloat((double(width) - height) / 2.0) : 0.0f;
    l.frameLeft = roundedToFloat(double(l.gridLeft) - l.unit25);
    l.frameRight = roundedToFloat(l.gridLeft + side + 4.0 * l.unit20 + 20.0 * l.unit50);
    l.frameBottom = roundedToFloat(l.gridBottom - 3.0 * l.unit25);
    l.frameTop = roundedToFloat(l.gridBottom + side + 4.0 * l.unit25);
    l.frameWidth = roundedToFloat(double(l.frameRight) - l.frameLeft);
    l.frameHeight = roundedToFloat(double(l.frameTop) - l.frameBottom);
    l.scale = roundedToFloat(768.0 / l.frameHeight);
    l.offsetX = roundedToFloat(512.0 - double(l.scale) * (l.frameLeft + l.frameWidth / 2.0));
    l.offsetY = roundedToFloat(-384.0 - double(l.scale) * (l.frameBottom + l.frameHeight / 2.0));
    return l;
}

int ColSqLayout::LogicalX(double x) const
{
    return truncateLogical(roundedToFloat(double(scale) * roundedToFloat(x) + offsetX));
}

int ColSqLayout::LogicalY(double y) const
{
    return truncateLogical(roundedToFloat(double(scale) * roundedToFloat(y) + offsetY));
}

int truncateLogical(double value)
{
    // A thousand pages in every direction: device coordinates stay far inside
    // int even at printer resolutions.
    constexpr double limit = 1.0e6;
    if (std::isnan(value))
        return 0;
    if (value > limit)
        return static_cast<int>(limit);
    if (value < -limit)
        return -static_cast<int>(limit);
    return static_cast<int>(value);
}

void RunLayoutStep(const SeamHeader &header, PlotSettings &settings, ColSqLayout &layout)
{
    if (!settings.layoutReady) {
        settings.plotTitle = header.itemName(0);
        settings.layoutReady = true;
    }
    layout = ColSqLayout::fromHeader(header);
}
