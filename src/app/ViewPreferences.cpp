#include "app/ViewPreferences.h"

#include "view/PageZoom.h"
#include "model/PlotSettings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

const QString group = QStringLiteral("Preferences/");

template<typename Enum> Enum enumValue(const QSettings &settings, const QString &key, Enum fallback, Enum last)
{
    bool read = false;
    const int value = settings.value(group + key).toInt(&read);
    return read && value >= 0 && value <= static_cast<int>(last) ? static_cast<Enum>(value) : fallback;
}

float finiteValue(const QSettings &settings, const QString &key, float fallback)
{
    bool read = false;
    const float value = settings.value(group + key).toFloat(&read);
    return read && std::isfinite(value) ? value : fallback;
}

bool flag(const QSettings &settings, const QString &key, bool fallback)
{
    const QVariant value = settings.value(group + key);
    return value.isValid() ? value.toBool() : fallback;
}

} // namespace

ViewPreferences ViewPreferences::load(const QSettings &settings)
{
    ViewPreferences preferences;
    preferences.palette = enumValue(settings, "palette", preferences.palette, Palette::Roygbiv);
    preferences.scaleMode = enumValue(settings, "scaleMode", preferences.scaleMode, ScaleMode::MinToMax);
    preferences.scaleMin = finiteValue(settings, "scaleMin", preferences.scaleMin);
    preferences.scaleMax = finiteValue(settings, "scaleMax", preferences.scaleMax);
    preferences.scaleOverAllSteps = flag(settings, "scaleOverAllSteps", preferences.scaleOverAllSteps);
    preferences.stepLabel = flag(settings, "stepLabel", preferences.stepLabel);
    preferences.fitToWindow = flag(settings, "fitToWindow", preferences.fitToWindow);
    bool read = false;
    const double zoom = settings.value(group + "zoom").toDouble(&read);
    if (read && std::isfinite(zoom))
        preferences.zoom = std::clamp(zoom, PageZoom::smallest, PageZoom::largest);
    const int pace = settings.value(group + "playPace").toInt(&read);
    if (read)
        preferences.playPace = std::clamp(pace, slowestPace, fastestPace);
    preferences.windowGeometry = settings.value(group + "windowGeometry").toByteArray();
    preferences.windowState = settings.value(group + "windowState").toByteArray();
    return preferences;
}

void ViewPreferences::save(QSettings &settings) const
{
    settings.setValue(group + "palette", static_cast<int>(palette));
    settings.setValue(group + "scaleMode", static_cast<int>(scaleMode));
    settings.setValue(group + "scaleMin", scaleMin);
    settings.setValue(group + "scaleMax", scaleMax);
    settings.setValue(group + "scaleOverAllSteps", scaleOverAllSteps);
    settings.setValue(group + "stepLabel", stepLabel);
    settings.setValue(group + "fitToWindow", fitToWindow);
    settings.setValue(group + "zoom", zoom);
    settings.setValue(group + "playPace", playPace);
    settings.setValue(group + "windowGeometry", windowGeometry);
    settings.setValue(group + "windowState", windowState);
}

ViewPreferences ViewPreferences::of(const PlotSettings &plot)
{
    ViewPreferences preferences;
    preferences.palette = plot.colSq.palette;
    preferences.scaleMode = plot.colSq.scaleMode;
    preferences.scaleMin = plot.colSq.scaleMin;
    preferences.scaleMax = plot.colSq.scaleMax;
    preferences.scaleOverAllSteps = plot.colSqScaleOverAllSteps;
    preferences.stepLabel = plot.stepLabel;
    return preferences;
}

void ViewPreferences::applyTo(PlotSettings &plot) const
{
    plot.colSq.palette = palette;
    plot.colSq.scaleMode = scaleMode;
    plot.colSq.scaleMin = scaleMin;
    plot.colSq.scaleMax = scaleMax;
    plot.colSqScaleOverAllSteps = scaleOverAllSteps;
    plot.stepLabel = stepLabel;
}
