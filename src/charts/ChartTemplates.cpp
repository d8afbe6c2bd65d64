#include "charts/ChartTemplates.h"

#include <QDir>
#include <QStandardPaths>

#include <array>

namespace ChartTemplates {

QString fileName(PlotType type)
{
    // In the order of chartPlotTypes.
    static const std::array<const char *, 3> names{"XSecChart2d.dat", "HistoryChart2d.dat", "FishNetChart3d.dat"};
    const PlotTypeFacts *chart = chartFactsOf(type);
    return chart ? QString::fromLatin1(names[chart->chartIndex]) : QString();
}

QString filePath(PlotType type)
{
    const QString name = fileName(type);
    if (name.isEmpty())
        return {};
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

} // namespace ChartTemplates
