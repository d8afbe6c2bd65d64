#pragma once

#include <array>
#include <string>

// The header of a seam output file (its first three lines).
struct SeamHeader
{
    static constexpr int maxItems = 18;

    int stepCount = 0;
    int ignoredValue = 0;
    float cellSize = 0.0f;
    int columnCount = 0;
    int rowCount = 0;
    float originX = 0.0f;
    float originY = 0.0f;
    int itemCount = 0;
    int unitCount = 0;
    std::array<std::string, maxItems> itemNames;
    std::array<std::string, maxItems> itemUnits;

    // Empty text for an index outside the 18 slots, so a stale index never reads past them.
    const std::string &itemName(int k) const;
    const std::string &itemUnit(int k) const;
};
