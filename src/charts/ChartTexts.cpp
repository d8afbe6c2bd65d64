#include "charts/ChartTexts.h"

#include "view/PlotSettings.h"

namespace ChartTexts {

QString crossSectionHeader(const PlotSettings &settings)
{
    const bool alongX = settings.xsecDirection == CrossSectionDirection::ParallelToX;
    return QString::fromStdString(settings.plotTitle) + "\nCross Section Parallel to "
           + (alongX ? "X at Grid Location " : "Y at Grid Location ") + QString::number(settings.xsecLocation);
}

QString crossSectionTitle(const PlotSettings &settings)
{
    return crossSectionHeader(settings) + "\nStep " + QString::number(settings.step);
}

QString historyHeader(const PlotSettings &settings)
{
    const bool average = settings.histMode == HistoryMode::Average;
    return QString::fromStdString(settings.plotTitle) + (average ? " (Average)\n" : " (Summation)\n") + "X from "
           + QString::number(settings.histMinX) + " to " + QString::number(settings.histMaxX) + " and Y from "
           + QString::number(settings.histMinY) + " to " + QString::number(settings.histMaxY);
}

QString valueAxisTitle(const std::string &plotTitle, const std::string &unit)
{
    return QString::fromStdString(plotTitle) + " (" + QString::fromStdString(unit) + ")";
}

} // namespace ChartTexts
