#include "model/ProbeTable.h"

#include "data/NumberFormat.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "model/ProbeSet.h"

#include <algorithm>

namespace {

std::string range(int first, int last)
{
    return first == last ? NumberFormat::integer(first)
                         : NumberFormat::integer(first) + ".." + NumberFormat::integer(last);
}

bool holds(const Probe &probe, const StepGrid &grid, int item)
{
    return grid.allocated() && item >= 0 && item < grid.itemCount() && probe.minX >= 1 && probe.minX <= probe.maxX
           && probe.maxX <= grid.columnCount() && probe.minY >= 1 && probe.minY <= probe.maxY
           && probe.maxY <= grid.rowCount();
}

std::string tabField(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

void appendTabLine(std::string &out, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += tabField(fields[i]);
    }
    out += '\n';
}

} // namespace

double probeCentre(float origin, float cellSize, int first, int last)
{
    // Cell i (1-based) spans origin + (i - 1) * cellSize to origin + i * cellSize.
    return origin + (first - 1 + last) * 0.5 * static_cast<double>(cellSize);
}

bool probeValue(const Probe &probe, const StepGrid &grid, int item, double &value)
{
    if (!holds(probe, grid, item))
        return false;
    double sum = 0.0;
    for (int ix = probe.minX - 1; ix < probe.maxX; ++ix)
        for (int iy = probe.minY - 1; iy < probe.maxY; ++iy)
            sum += grid.values[ix][iy][item];
    value = sum / (static_cast<double>(probe.maxX - probe.minX + 1) * (probe.maxY - probe.minY + 1));
    return true;
}

ProbeTable ProbeTable::of(const ProbeSet &probes, const SeamHeader &header, const StepGrid &grid, int step)
{
    ProbeTable table;
    table.header = {"step", "column", "row", "x", "y"};
    const int itemCount = std::min(header.itemCount, SeamHeader::maxItems);
    for (int k = 0; k < itemCount; ++k)
        table.header.push_back(header.itemName(k));
    for (const Probe &probe : probes.probes()) {
        std::vector<std::string> row{NumberFormat::integer(step), range(probe.minX, probe.maxX),
                                     range(probe.minY, probe.maxY),
                                     NumberFormat::general(probeCentre(header.originX, header.cellSize, probe.minX,
                                                                       probe.maxX)),
                                     NumberFormat::general(probeCentre(header.originY, header.cellSize, probe.minY,
                                                                       probe.maxY))};
        for (int k = 0; k < itemCount; ++k) {
            double value = 0.0;
            row.push_back(probeValue(probe, grid, k, value) ? NumberFormat::general(value) : outsideGridText);
        }
        table.rows.push_back(std::move(row));
        table.colours.push_back(ProbeSet::colours[static_cast<std::size_t>(probe.colour)]);
    }
    return table;
}

std::string ProbeTable::tabSeparated() const
{
    std::string text;
    appendTabLine(text, header);
    for (const std::vector<std::string> &row : rows)
        appendTabLine(text, row);
    return text;
}

std::vector<std::vector<std::string>> ProbeTable::lines() const
{
    std::vector<std::vector<std::string>> all{header};
    all.insert(all.end(), rows.begin(), rows.end());
    return all;
}
