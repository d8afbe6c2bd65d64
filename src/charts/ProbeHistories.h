#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class CPlotDoc;
class ProbeSet;

// One probe's line in the History panel: entry s-1 is step s.
struct ProbeHistory
{
    std::vector<double> values;
    std::uint32_t colour = 0; // 0xRRGGBB
    QString name;
};

// What the History panel shows of the pinned probes: each probe's history of
// the item (a window's average), the title and the value axis title.
struct ProbeHistories
{
    std::vector<ProbeHistory> lines;
    QString title;
    QString valueTitle;

    // Every probe in one pass over the steps' cache files. Only the steps the
    // document can load are shown: while its file is still being read, or after
    // a step that cannot be read, the lines end there, never at a step not read.
    static ProbeHistories of(const CPlotDoc &document, const ProbeSet &probes, int item);
};
