#include "view/StepLabel.h"

#include "view/Canvas.h"
#include "view/ColSqLayout.h"

#include <cmath>

namespace StepLabel {

std::string text(const std::string &fileName, int step, int stepCount)
{
    return fileName + "   Step " + std::to_string(step) + " of " + std::to_string(stepCount);
}

bool draw(Canvas &canvas, const ColSqLayout &layout, const std::string &text)
{
    const double gL = layout.gridLeft;
    const double gB = layout.gridBottom;
    const double u25 = layout.unit25;
    // The frame leaves three units below the square; the label takes the middle of them.
    const double height = double(layout.scale) * u25;
    if (!std::isfinite(height) || height < 1.0
        || !canvas.selectFont({QStringLiteral("Arial"), truncateLogical(height), 400}))
        return false;
    canvas.drawText({layout.LogicalX(gL), layout.LogicalY(gB - 0.75 * u25), layout.LogicalX(gL + layout.side),
                     layout.LogicalY(gB - 2.25 * u25)},
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                    QString::fromStdString(text));
    return true;
}

} // namespace StepLabel
