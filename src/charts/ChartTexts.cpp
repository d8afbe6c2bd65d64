#include "charts/ChartTexts.h"

#include "model/PlotSettings.h"

namespace ChartTexts {

QString crossSectionHeader(const PlotSettings &settings)
{
    const bool alongX = settings.xsec.direction == CrossSectionDirection::ParallelToX;
    return QString::fromStdString(settings.plotTitle) + "\nCross Section Parallel to "
           + (alongX ? "X at Grid Location " : "Y at Grid Location ") + QString::number(settings.xsec.location);
}

QString crossSectionTitle(const PlotSettings &settings)
{
    return crossSectionHeader(settings) + "\nStep " + QString::number(settings.step);
}

QString historyHeader(const PlotSettings &settings)
{
    const bool average = settings.history.mode == HistoryMode::Average;
    return QString::fromStdString(settings.plotTitle) + (average ? " (Average)\n" : " (Summation)\n") + "X from "
           + QString::number(settings.history.minX) + " to " + QString::number(settings.history.maxX) + " and Y from "
           + QString::number(settings.history.minY) + " to " + QString::number(settings.history.maxY);
}

QString valueAxisTitle(const std::string &plotTitle, const std::string &unit)
{
    return QString::fromStdString(plotTitle) + " (" + QString::fromStdString(unit) + ")";
}

} // namespace ChartTexts
