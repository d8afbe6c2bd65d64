#include "charts/ChartViewState.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

const QString kindKey = QStringLiteral("kind");
const QString lineKind = QStringLiteral("Sembla 2-D chart view");
const QString surfaceKind = QStringLiteral("Sembla 3-D chart view");

// Replaces the file's contents with these entries; false when the folder or file cannot be written.
bool writeState(const QString &filePath, const QString &kind, std::initializer_list<std::pair<const char *, QVariant>> entries)
{
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return false;
    QSettings file(filePath, QSettings::IniFormat);
    file.clear();
    file.setValue(kindKey, kind);
    for (const auto &[key, value] : entries)
        file.setValue(key, value);
    file.sync();
    return file.status() == QSettings::NoError;
}

// Every key present and a finite number, or nothing.
std::optional<QList<double>> readNumbers(const QString &filePath, const QString &kind,
                                         std::initializer_list<const char *> keys)
{
    if (!QFileInfo::exists(filePath))
        return std::nullopt;
    QSettings file(filePath, QSettings::IniFormat);
    if (file.status() != QSettings::NoError || file.value(kindKey).toString() != kind)
        return std::nullopt;
    QList<double> numbers;
    for (const char *key : keys) {
        bool ok = false;
        const double number = file.value(key).toDouble(&ok);
        if (!ok || !std::isfinite(number))
            return std::nullopt;
        numbers.append(number);
    }
    return numbers;
}

} // namespace

bool LineChartViewState::save(const QString &filePath) const
{
    return writeState(filePath, lineKind,
                      {{"zoomed", zoomed ? 1 : 0}, {"xMin", xMin}, {"xMax", xMax}, {"yMin", yMin}, {"yMax", yMax}});
}

std::optional<LineChartViewState> LineChartViewState::load(const QString &filePath)
{
    const auto numbers = readNumbers(filePath, lineKind, {"zoomed", "xMin", "xMax", "yMin", "yMax"});
    if (!numbers)
        return std::nullopt;
    LineChartViewState state;
    state.zoomed = numbers->at(0) != 0.0;
    state.xMin = numbers->at(1);
    state.xMax = numbers->at(2);
    state.yMin = numbers->at(3);
    state.yMax = numbers->at(4);
    // A range that cannot be shown is no view to return to.
    if (!(state.xMin < state.xMax) || !(state.yMin < state.yMax))
        return std::nullopt;
    return state;
}

bool SurfaceViewState::save(const QString &filePath) const
{
    return writeState(filePath, surfaceKind,
                      {{"xRotation", xRotation},
                       {"yRotation", yRotation},
                       {"zoomLevel", zoomLevel},
                       {"targetX", targetX},
                       {"targetY", targetY},
                       {"targetZ", targetZ}});
}

std::optional<SurfaceViewState> SurfaceViewState::load(const QString &filePath)
{
    const auto numbers
        = readNumbers(filePath, surfaceKind, {"xRotation", "yRotation", "zoomLevel", "targetX", "targetY", "targetZ"});
    if (!numbers || !(numbers->at(2) > 0.0))
        return std::nullopt;
    SurfaceViewState state;
    state.xRotation = static_cast<float>(numbers->at(0));
    state.yRotation = static_cast<float>(numbers->at(1));
    state.zoomLevel = static_cast<float>(numbers->at(2));
    state.targetX = static_cast<float>(numbers->at(3));
    state.targetY = static_cast<float>(numbers->at(4));
    state.targetZ = static_cast<float>(numbers->at(5));
    return state;
}
