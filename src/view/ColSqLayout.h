#pragma once

struct SeamHeader;
struct PlotSettings;

// World geometry of the Colored Square Plot (world units of the file) and its
// mapping onto the page of 1024 x 768 logical units, 0.01 inch each, y upward.
// Every field is float32: formed in double and rounded to float32 once, as it is stored.
struct ColSqLayout
{
    float gridLeft = 0.0f;
    float gridRight = 0.0f;
    float gridBottom = 0.0f;
    float gridTop = 0.0f;
    float frameWidth = 0.0f;
    float frameHeight = 0.0f;
    float side = 0.0f;
    float unit50 = 0.0f;
    float unit25 = 0.0f;
    float unit20 = 0.0f;
    float padX = 0.0f;
    float padY = 0.0f;
    float frameLeft = 0.0f;
    float frameRight = 0.0f;
    float frameBottom = 0.0f;
    float frameTop = 0.0f;
    float scale = 0.0f;
    float offsetX = 0.0f;
    float offsetY = 0.0f;

    static ColSqLayout fromHeader(const SeamHeader &header);

    // World to logical units: the world value as float32, times scale plus the
    // offset formed in double, rounded to float32 once and truncated toward zero
    // (see truncateLogical).
    int LogicalX(double x) const;
    int LogicalY(double y) const;
};

// Truncation toward zero into the range of logical coordinates the page can
// use. A value beyond it (a grid whose size overflows float32) is clamped and
// NaN gives 0, so no conversion of a non-finite float ever reaches an int.
int truncateLogical(double value);

// The layout step: the first call names the plot after item 0; every call
// recomputes the layout from the header.
void RunLayoutStep(const SeamHeader &header, PlotSettings &settings, ColSqLayout &layout);
