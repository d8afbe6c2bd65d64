#pragma once

#include <string>

class CPlotDoc;
struct PlotSettings;

// The names the exports offer, without extension: the file's directory and
// title, a hyphen, the first four characters of the item's name (a path
// separator among them written as "_"), then what tells the exports of one
// file apart. The numbers have no digit limit.

// Grid of an item (Colored Square or FishNet) and the DXF drawing: ..._3D
std::string GridExportName(const CPlotDoc &document, int item);
// Cross section: ..._2DRow4 (ParallelToX) or ..._2DCol4 (ParallelToY)
std::string CrossSectionExportName(const CPlotDoc &document, const PlotSettings &settings);
// History: ...-Hist-X=2-3Y=5-5
std::string HistoryExportName(const CPlotDoc &document, const PlotSettings &settings);
