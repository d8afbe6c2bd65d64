#pragma once

#include "model/PlotEnums.h"

#include <QByteArray>

class QSettings;
struct PlotSettings;

// The choices a user makes once and expects back in the next session: the
// Colored Square Plot's palette and scale, the page's zoom, the pace of Play,
// and the window's geometry with its toolbars and docks. Kept in the
// application's settings; what a damaged or foreign entry holds falls back to
// the default, never to a value the program cannot show.
struct ViewPreferences
{
    static constexpr int slowestPace = 1; // steps a second
    static constexpr int fastestPace = 30;

    Palette palette = Palette::ColdToHot;
    ScaleMode scaleMode = ScaleMode::Automatic;
    float scaleMin = 0.0f;
    float scaleMax = 0.0f;
    bool scaleOverAllSteps = false;
    bool stepLabel = true;
    bool fitToWindow = true;
    double zoom = 1.0;
    int playPace = 4;
    QByteArray windowGeometry;
    QByteArray windowState;

    static ViewPreferences load(const QSettings &settings);
    void save(QSettings &settings) const;

    // Between the preferences and the plot choices they are part of.
    static ViewPreferences of(const PlotSettings &plot);
    void applyTo(PlotSettings &plot) const;
};
