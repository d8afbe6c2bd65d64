#include "charts/ProbeSection.h"

#include "charts/ChartTexts.h"
#include "charts/CrossSectionPoints.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "model/ProbeSet.h"
#include "model/PlotSettings.h"

namespace {

// The Cross Section Plot's choices for this section, so that the panel draws
// exactly what that plot draws.
PlotSettings crossSectionOf(const ProbeSection &section, const SeamHeader &header)
{
    PlotSettings settings;
    settings.xsec = XSecChoice{section.item, section.direction, section.location()};
    settings.plotTitle = header.itemName(section.item);
    return settings;
}

} // namespace

QList<QPointF> ProbeSection::points(const SeamHeader &header, const StepGrid &grid) const
{
    // The other coordinate must lie in the grid too, though the row or column alone chooses the points.
    if (column < 1 || column > grid.columnCount() || row < 1 || row > grid.rowCount())
        return {};
    return CrossSectionPoints::compute(header, grid, crossSectionOf(*this, header));
}

SectionContent ProbeSection::content(const SeamHeader &header, const StepGrid &grid, int step) const
{
    PlotSettings settings = crossSectionOf(*this, header);
    settings.step = step;
    // The axis spans the section's cells, from the first one's outer edge to the last one's.
    const bool alongX = direction == CrossSectionDirection::ParallelToX;
    const double start = alongX ? header.originX : header.originY;
    const int cells = alongX ? header.columnCount : header.rowCount;
    return {points(header, grid), ChartTexts::crossSectionTitle(settings),
            ChartTexts::valueAxisTitle(settings.plotTitle, header.itemUnit(item)),
            sectionAxis(start, start + cells * static_cast<double>(header.cellSize))};
}

std::optional<QPoint> sectionCell(const ProbeSet &probes, int selected, bool followPointer,
                                  std::optional<QPoint> pointer)
{
    if (followPointer)
        return pointer;
    if (probes.empty())
        return std::nullopt;
    const int index = selected >= 0 && selected < probes.size() ? selected : probes.size() - 1;
    const Probe &probe = probes.probes()[static_cast<std::size_t>(index)];
    return QPoint(probe.centreColumn(), probe.centreRow());
}
