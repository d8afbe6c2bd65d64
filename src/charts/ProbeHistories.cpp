#include "charts/ProbeHistories.h"

#include "charts/ChartTexts.h"
#include "data/CPlotDoc.h"
#include "data/CellHistory.h"
#include "model/ProbeSet.h"

ProbeHistories ProbeHistories::of(const CPlotDoc &document, const ProbeSet &probes, int item)
{
    ProbeHistories result;
    if (!document.isLoaded() || probes.empty())
        return result;
    const SeamHeader &header = document.header();
    const QString name = QString::fromStdString(header.itemName(item));
    result.title = name;
    result.valueTitle = ChartTexts::valueAxisTitle(header.itemName(item), header.itemUnit(item));

    std::vector<CellWindow> windows;
    for (const Probe &probe : probes.probes())
        windows.push_back({probe.minX - 1, probe.maxX - 1, probe.minY - 1, probe.maxY - 1});
    const CellHistories read = ReadCellHistories(document, item, windows);
    int steps = read.stepsRead;
    while (steps > 0 && !document.stepReady(steps))
        --steps;
    for (std::size_t i = 0; i < windows.size() && i < read.windows.size(); ++i) {
        const Probe &probe = probes.probes()[i];
        const std::vector<double> &averages = read.windows[i].averages;
        ProbeHistory line;
        line.values.assign(averages.begin(), averages.begin() + std::min<std::size_t>(steps, averages.size()));
        line.colour = ProbeSet::colours[static_cast<std::size_t>(probe.colour)];
        line.name = QString::fromStdString(probe.label());
        result.lines.push_back(std::move(line));
    }
    return result;
}
