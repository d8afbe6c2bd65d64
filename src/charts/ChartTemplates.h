#pragma once

#include "model/PlotSettings.h"

#include <QString>

// Where each chart keeps its view state while another plot is shown: a file
// named for the chart in the application's configuration folder.
namespace ChartTemplates {

// "XSecChart2d.dat", "HistoryChart2d.dat", "FishNetChart3d.dat"; empty for the Colored Square.
QString fileName(PlotType type);
// The full path; empty for the Colored Square.
QString filePath(PlotType type);

} // namespace ChartTemplates
