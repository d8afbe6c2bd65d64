#include "view/PreviousFileSettings.h"

void PreviousFileSettings::fileBeingReadShown(const PlotSettings &settings, bool replacedAFile)
{
    m_kept.reset();
    if (replacedAFile)
        m_kept = settings;
}

void PreviousFileSettings::previousFileBack(PlotSettings &settings)
{
    if (!m_kept)
        return;
    const PlotSettings &kept = *m_kept;
    settings.plotType = kept.plotType;
    settings.step = kept.step;
    settings.plotTitle = kept.plotTitle;
    settings.colSqItem = kept.colSqItem;
    settings.colSqPalette = kept.colSqPalette;
    settings.colSqScaleMode = kept.colSqScaleMode;
    settings.colSqScaleMin = kept.colSqScaleMin;
    settings.colSqScaleMax = kept.colSqScaleMax;
    settings.xsecItem = kept.xsecItem;
    settings.xsecDirection = kept.xsecDirection;
    settings.xsecLocation = kept.xsecLocation;
    settings.histItem = kept.histItem;
    settings.histMinX = kept.histMinX;
    settings.histMaxX = kept.histMaxX;
    settings.histMinY = kept.histMinY;
    settings.histMaxY = kept.histMaxY;
    settings.histMode = kept.histMode;
    settings.fishnetItem = kept.fishnetItem;
    m_kept.reset();

    settings.stepReloadPending = true;
    for (PlotType type : chartPlotTypes)
        settings.*chartFactsOf(type)->needsData = true;
    settings.colSqDrawn = false;
}
