#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ProbeSet;
class StepGrid;
struct Probe;
struct SeamHeader;

// The Probes panel's table as text: a header, then one row per probe with the
// step, its column and row ("3..5" for a window's range), the world x and y of
// its centre and the value of every item at the step the grid holds (a
// window's average). The columns are those of the grid CSV export, so a
// probes file reads as a few of its lines. Numbers in "%g".
struct ProbeTable
{
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    // Each row's probe colour, 0xRRGGBB.
    std::vector<std::uint32_t> colours;

    // The grid holds `step`. A probe the grid does not hold (a second file with a
    // smaller grid) says so in place of its values.
    static ProbeTable of(const ProbeSet &probes, const SeamHeader &header, const StepGrid &grid, int step);

    // Header line and rows, fields between tabs, each line ending in "\n"; a tab
    // or line end inside a field (an item name) becomes a blank.
    std::string tabSeparated() const;
    // The header first, then the rows: what a CSV file of the table holds.
    std::vector<std::vector<std::string>> lines() const;
};

// The world coordinate of the middle of cells first..last (1-based, inclusive)
// of the grid starting at origin: the cells as the Colored Square Plot lays
// them out, columns along x, rows upward along y.
double probeCentre(float origin, float cellSize, int first, int last);

// The probe's value of the item: the cell's value, or the window's average
// (summed in double, columns outer). False when the grid does not hold the
// probe's cells or the item.
bool probeValue(const Probe &probe, const StepGrid &grid, int item, double &value);

inline const std::string outsideGridText = "outside the grid";
