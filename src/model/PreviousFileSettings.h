#pragma once

#include "model/PlotSettings.h"

#include <optional>

// The plot choices of the file that a file being read took the place of on
// screen: when that open is cancelled or fails, the file comes back, and its
// step, plot type and plot options come back with it.
class PreviousFileSettings
{
public:
    // The file being read went on screen; replacedAFile when it took a shown file's place.
    void fileBeingReadShown(const PlotSettings &settings, bool replacedAFile);
    // The file shown before is on screen again: its choices return, once. What
    // follows the screen stays (the chart windows made, the type drawn last, so
    // that the next draw switches the chart windows); the step is read again and
    // the charts are refilled, since they hold the other file's data.
    void previousFileBack(PlotSettings &settings);

private:
    std::optional<PlotSettings> m_kept;
};
