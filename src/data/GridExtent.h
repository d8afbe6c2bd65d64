#pragma once

#include <string>

struct SeamHeader;

// The rectangle the grid covers in world units as float32 holds it: from the
// origin over columnCount x rowCount cells of cellSize, each bound formed in
// double and rounded once, the width and height rounded from those bounds.
struct GridExtent
{
    float left = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    static GridExtent of(const SeamHeader &header);
    // The larger of width and height (height when equal).
    float side() const { return width > height ? width : height; }
};

// Why float32 world units cannot hold the grid with the plot drawn around it
// (title, legend and labels, all within twice its side of its corners), or
// cells too small for the plot's page scale in float32, or empty when
// they can. Counts, cell size and origin must be sound already.
std::string gridExtentProblem(const SeamHeader &header);
