#include "dialogs/ScrollRules.h"

int ClampToRange(int value, int low, int high)
{
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

int PageStepFor(int count)
{
    if (count <= 10)
        return 2;
    if (count <= 20)
        return 4;
    if (count <= 40)
        return 5;
    if (count <= 80)
        return 10;
    if (count <= 200)
        return 25;
    if (count <= 400)
        return 50;
    // Very large grids page by one element, not by a larger step.
    return 1;
}
