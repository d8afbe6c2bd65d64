#include "model/PreviousFileSettings.h"

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
    settings.colSq.itemIndex = kept.colSq.itemIndex;
    settings.colSq.palette = kept.colSq.palette;
    settings.colSq.scaleMode = kept.colSq.scaleMode;
    settings.colSq.scaleMin = kept.colSq.scaleMin;
    settings.colSq.scaleMax = kept.colSq.scaleMax;
    settings.xsec.itemIndex = kept.xsec.itemIndex;
    settings.xsec.direction = kept.xsec.direction;
    settings.xsec.location = kept.xsec.location;
    settings.history.itemIndex = kept.history.itemIndex;
    settings.history.minX = kept.history.minX;
    settings.history.maxX = kept.history.maxX;
    settings.history.minY = kept.history.minY;
    settings.history.maxY = kept.history.maxY;
    settings.history.mode = kept.history.mode;
    settings.fishNet.itemIndex = kept.fishNet.itemIndex;
    m_kept.reset();

    settings.stepReloadPending = true;
    for (PlotType type : chartPlotTypes)
        settings.*chartFactsOf(type)->needsData = true;
    settings.colSqDrawn = false;
}
