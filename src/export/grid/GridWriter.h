#pragma once

#include "data/SeamHeader.h"

#include <string>
#include <vector>

class GridOutputs;
class StepGrid;

// What a grid export writes: the file's geometry, the chosen stress items
// (0-based, in the file's order) and steps (1-based, ascending), the reference
// system and where the files go. Formats of one file per step have a target
// for each step; the others one target for all.
struct GridContent
{
    SeamHeader header;
    std::vector<int> items;
    std::vector<int> steps;
    std::string crs;                  // "EPSG:N", or empty when none was given
    std::vector<std::string> targets; // the system's bytes

    // The world coordinates of the centre of column ix and row iy (0-based),
    // the origin being the grid's lower-left corner.
    double centreX(int ix) const { return header.originX + (ix + 0.5) * static_cast<double>(header.cellSize); }
    double centreY(int iy) const { return header.originY + (iy + 0.5) * static_cast<double>(header.cellSize); }
    // The item's name; one made of its number when the file gives it none.
    std::string itemLabel(int item) const;
    // The target of a step: its own, or the one of every step.
    const std::string &targetOf(int step) const;
};

// One output format. begin() opens what is written (its files come from
// `outputs`, which commits them together once every writer call succeeded),
// writeStep() gets the steps in order with the grid holding each, finish()
// completes the files. Each returns false with the reason in `error`.
class GridWriter
{
public:
    virtual ~GridWriter() = default;
    virtual bool begin(const GridContent &content, GridOutputs &outputs, std::string &error) = 0;
    virtual bool writeStep(int step, const StepGrid &grid, std::string &error) = 0;
    virtual bool finish(std::string &error) = 0;
};
