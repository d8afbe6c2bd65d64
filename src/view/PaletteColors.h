#pragma once

#include "model/PlotSettings.h"

#include <QRgb>

#include <array>

// The ten band colours of a palette, band 0 (the lowest values) first. An
// unknown palette value gives ColdToHot.
const std::array<QRgb, 10> &PaletteColors(Palette palette);
