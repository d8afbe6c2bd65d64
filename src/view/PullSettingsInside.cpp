#include "view/PullSettingsInside.h"

#include "data/SeamHeader.h"
#include "view/PlotSettings.h"

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

    settings.colSqItem = itemInside(settings.colSqItem, header);
    settings.xsecItem = itemInside(settings.xsecItem, header);
    settings.histItem = itemInside(settings.histItem, header);
    settings.fishnetItem = itemInside(settings.fishnetItem, header);

    const int locationCount =
        settings.xsecDirection == CrossSectionDirection::ParallelToY ? header.columnCount : header.rowCount;
    settings.xsecLocation = numberInside(settings.xsecLocation, locationCount);
    settings.histMinX = numberInside(settings.histMinX, header.columnCount);
    settings.histMaxX = numberInside(settings.histMaxX, header.columnCount);
    settings.histMinY = numberInside(settings.histMinY, header.rowCount);
    settings.histMaxY = numberInside(settings.histMaxY, header.rowCount);

    // The old file's title, charts and readout describe data that is gone.
    settings.plotTitle = header.itemName(settings.activeItem());
    for (PlotType type : chartPlotTypes)
        settings.*chartFactsOf(type)->needsData = true;
    settings.colSqDrawn = false;
}
