#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A place of the grid the panels watch: one cell, or a window of cells shown as
// their average. Columns and rows 1-based and inclusive; a cell has min == max.
struct Probe
{
    enum class Kind { Cell, Window };

    Kind kind = Kind::Cell;
    int minX = 1;
    int maxX = 1;
    int minY = 1;
    int maxY = 1;
    // The place of the probe's colour in ProbeSet::colours.
    int colour = 0;

    // The cell a section through the probe runs through: the window's middle,
    // the lower one of two middles.
    int centreColumn() const { return minX + (maxX - minX) / 2; }
    int centreRow() const { return minY + (maxY - minY) / 2; }

    // "column 3, row 12", or "columns 3..5, rows 2..4" for a window.
    std::string label() const;

    bool sameCells(const Probe &other) const
    {
        return kind == other.kind && minX == other.minX && maxX == other.maxX && minY == other.minY
               && maxY == other.maxY;
    }
};

// The pinned probes, at most maxProbes, in the order they were pinned. Each
// keeps its colour for as long as it is pinned: a new probe takes the first
// colour no probe holds, so removing one never recolours the others.
class ProbeSet
{
public:
    static constexpr int maxProbes = 8;
    // 0xRRGGBB. Mid-light, saturated and far apart in hue, so that the history
    // lines tell them apart on white; on the map each marker is drawn with a black
    // and a white outline, which reads on every band colour, black and white
    // bands included.
    static constexpr std::array<std::uint32_t, maxProbes> colours{
        0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd, 0x8c564b, 0xe377c2, 0x17becf,
    };

    enum class PinResult { Added, Removed, Refused };

    // Pins the cell, or removes it when it is pinned already (a second click).
    // Refused, with refusalText(), when maxProbes are pinned.
    PinResult pinCell(int column, int row);
    // The same for a window, corners in any order; a window of one cell is that cell.
    PinResult pinWindow(int x1, int y1, int x2, int y2);
    // False for an index that names no probe.
    bool remove(int index);
    void clear();

    const std::vector<Probe> &probes() const { return m_probes; }
    int size() const { return static_cast<int>(m_probes.size()); }
    bool empty() const { return m_probes.empty(); }
    // The index of the probe of exactly these cells, or -1.
    int indexOf(const Probe &cells) const;

    // Grows with every change, so a reader sees whether it is behind.
    std::uint64_t revision() const { return m_revision; }

    // What a refused pin tells the user.
    static std::string refusalText();

private:
    PinResult pin(Probe probe);
    int firstFreeColour() const;

    std::vector<Probe> m_probes;
    std::uint64_t m_revision = 0;
};
