#include "screen_helpers.h"

TestSeam panelSeam()
{
    return TestSeam().sized(2, 40, 20, 2).cells(5.0f, 1000.0f, 2000.0f)
        .named({"Vertical Stress", "Convergence"}, {"MPa", "mm"})
        .valued([](int step, int ix, int iy, int k) { return k == 0 ? step * 10.0f + ix : -0.5f * iy * step; });
}

ChartScreen::ChartScreen(const TestSeam &seam) : file(seam)
{
    parent.resize(800, 600);
    parent.show();
}
