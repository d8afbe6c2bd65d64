#pragma once

#include "export/OutputFileRequest.h"

#include <array>
#include <string>

class CPlotDoc;
class TextLines;
struct PlotSettings;

// The DXF colour number (AutoCAD colour index) of each band, whatever the palette.
extern const std::array<int, 10> DxfBandColors;

// The layer of a band: "Color1" for band 0 up to "Color10" for band 9.
const std::string &DxfBandLayer(int band);

// The Colored Square Plot of the step in the grid as DXF entities in world units:
// title, SCALE, the grid's extent, the legend boxes and limits, one SOLID per run
// of equal band up each column, and the outline. Runs the layout step and fills
// settings.scaleTable as the screen drawing does. False, with a message, when
// colSq.itemIndex is not one of the file's items; nothing is written then.
bool WriteColoredSquareDxf(CPlotDoc &document, PlotSettings &settings, TextLines &out);

// Save As DXF: only while the Colored Square Plot is current, after the step
// reload rule. Asks for the path with the grid export's default name; true when
// the user cancelled or the file was written, false after a message.
bool SaveDxfCommand(CPlotDoc &document, PlotSettings &settings, const OutputPathChooser &choosePath);

// The request SaveDxfCommand makes, for a default name.
OutputFileRequest DxfFileRequest(const std::string &defaultName);
