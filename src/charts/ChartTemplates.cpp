#include "charts/ChartTemplates.h"

#include <QDir>
#include <QStandardPaths>

namespace ChartTemplates {

QString fileName(PlotType type)
{
    switch (type) {
    case PlotType::CrossSection:
        return QStringLiteral("XSecChart2d.dat");
    case PlotType::History:
        return QStringLiteral("HistoryChart2d.dat");
    case PlotType::FishNet:
        return QStringLiteral("FishNetChart3d.dat");
    case PlotType::ColoredSquare:
        break;
    }
    return {};
}

QString filePath(PlotType type)
{
    const QString name = fileName(type);
    if (name.isEmpty())
        return {};
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

} // namespace ChartTemplates
