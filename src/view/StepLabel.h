#pragma once

#include <string>

class Canvas;
struct ColSqLayout;

// The line that names the file and the step on the Colored Square page, so a
// picture of one step never passes for another's. It stands in the margin
// below the grid, left of the legend, where the plot draws nothing else.
namespace StepLabel {

// "run.f1   Step 3 of 200".
std::string text(const std::string &fileName, int step, int stepCount);
// False when its font cannot be made; nothing is drawn then.
bool draw(Canvas &canvas, const ColSqLayout &layout, const std::string &text);

} // namespace StepLabel
