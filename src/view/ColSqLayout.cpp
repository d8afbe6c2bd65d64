#include "view/ColSqLayout.h"

#include "data/SeamHeader.h"
#include "view/PlotSettings.h"

#include <cfloat>
#include <cmath>

namespace {

// A world coordinate as float32. A finite double beyond float's range has no
// float value to round to; it goes to the infinity of its sign.
float asFloat(double value)
{
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
        return value > 0 ? INFINITY : -INFINITY;
    return static_cast<float>(value);
}

} // namespace

ColSqLayout ColSqLayout::fromHeader(const SeamHeader &header)
{
    // float32 throughout, in this order: the frame depends on every rounding before it.
    ColSqLayout l;
    l.gridLeft = header.originX;
    l.gridRight = header.originX + static_cast<float>(header.columnCount) * header.cellSize;
    l.gridBottom = header.originY;
    l.gridTop = header.originY + static_cast<float>(header.rowCount) * header.cellSize;
    const float width = l.gridRight - l.gridLeft;
    const float height = l.gridTop - l.gridBottom;
    l.side = width > height ? width : height;
    l.unit50 = l.side / 50.0f;
    l.unit25 = l.side / 25.0f;
    l.unit20 = l.side / 20.0f;
    l.padX = width <= height ? (height - width) / 2.0f : 0.0f;
    l.padY = width > height ? (width - height) / 2.0f : 0.0f;
    l.frameLeft = l.gridLeft - l.unit25;
    l.frameRight = l.gridLeft + l.side + 4.0f * l.unit20 + 20.0f * l.unit50;
    l.frameBottom = l.gridBottom - 3.0f * l.unit25;
    l.frameTop = l.gridBottom + l.side + 4.0f * l.unit25;
    l.frameWidth = l.frameRight - l.frameLeft;
    l.frameHeight = l.frameTop - l.frameBottom;
    l.scale = 768.0f / l.frameHeight;
    l.offsetX = 512.0f - l.scale * (l.frameLeft + l.frameWidth / 2.0f);
    l.offsetY = -384.0f - l.scale * (l.frameBottom + l.frameHeight / 2.0f);
    return l;
}

int ColSqLayout::LogicalX(double x) const
{
    const float logical = scale * asFloat(x) + offsetX;
    return truncateLogical(logical);
}

int ColSqLayout::LogicalY(double y) const
{
    const float logical = scale * asFloat(y) + offsetY;
    return truncateLogical(logical);
}

float ColSqLayout::WorldX(double lx) const
{
    return (asFloat(lx) - offsetX) / scale;
}

float ColSqLayout::WorldY(double ly) const
{
    return (asFloat(ly) - offsetY) / scale;
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
