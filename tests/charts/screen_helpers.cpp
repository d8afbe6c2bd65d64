#include "screen_helpers.h"

TestSeam panelSeam()
{
    TestSeam seam;
    seam.steps = 2;
    seam.columns = 40;
    seam.rows = 20;
    seam.items = 2;
    seam.cellSize = 5.0f;
    seam.originX = 1000.0f;
    seam.originY = 2000.0f;
    seam.names = {"Vertical Stress", "Convergence"};
    seam.units = {"MPa", "mm"};
    seam.value = [](int step, int ix, int iy, int k) { return k == 0 ? step * 10.0f + ix : -0.5f * iy * step; };
    return seam;
}

ChartScreen::ChartScreen(const TestSeam &seam) : file(seam)
{
    parent.resize(800, 600);
    parent.show();
}
