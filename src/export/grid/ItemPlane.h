#pragma once

#include <vector>

class StepGrid;

enum class RowOrder { BottomFirst, TopFirst };

// One stress item of the step the grid holds, as the image formats lay it out:
// rows of x, x fastest, from the bottom row up or (north-up) from the top down.
// The grid itself runs column by column, every item of a cell together.
void copyItemPlane(const StepGrid &grid, int item, RowOrder order, std::vector<float> &plane);
