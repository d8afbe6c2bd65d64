#include "model/PullSettingsInside.h"

#include "data/SeamHeader.h"
#include "model/PlotSettings.h"

#include <algorithm>

namespace {

int itemInside(int item, const SeamHeader &header)
{
    return item >= 0 && item < header.itemCount ? item : 0;
}

int numberInside(int number, int count)
{
    return std::clamp(number, 1, std::max(1, count));
}

} // namespace

void pullSettingsInside(const SeamHeader &header, PlotSettings &settings)
{
    settings.stepReloadPending = true;
    settings.step = numberInside(settings.step, header.stepCount);

    settings.colSq.itemIndex = itemInside(settings.colSq.itemIndex, header);
    settings.xsec.itemIndex = itemInside(settings.xsec.itemIndex, header);
    settings.history.itemIndex = itemInside(settings.history.itemIndex, header);
    settings.fishNet.itemIndex = itemInside(settings.fishNet.itemIndex, header);

    const int locationCount =
        settings.xsec.direction == CrossSectionDirection::ParallelToY ? header.columnCount : header.rowCount;
    settings.xsec.location = numberInside(settings.xsec.location, locationCount);
    settings.history.minX = numberInside(settings.history.minX, header.columnCount);
    settings.history.maxX = numberInside(settings.history.maxX, header.columnCount);
    settings.history.minY = numberInside(settings.history.minY, header.rowCount);
    settings.history.maxY = numberInside(settings.history.maxY, header.rowCount);

    // The old file's title, charts and readout describe data that is gone.
    settings.plotTitle = header.itemName(settings.activeItem());
    for (PlotType type : chartPlotTypes)
        settings.*chartFactsOf(type)->needsData = true;
    settings.colSqDrawn = false;
}
