#pragma once

#include "export/OutputFileRequest.h"

#include <string>

class CPlotDoc;
struct PlotSettings;

// The data behind the current plot as an ASCII file: lines of numbers
// separated by a comma and a blank, CR LF at every line end, no header.
// The document holds a file. Messages go to its reporter. Each writer returns true when the
// file was written completely, false after a message; a file that could not be
// written completely is not left behind, and what stood under its name stays.

// Every cell, columns outer and rows inner: "x, y, value" of the item.
bool WriteGridAscii(CPlotDoc &document, int item, const std::string &path);
// Every cell along the section: "position, value" of xsec.itemIndex.
bool WriteCrossSectionAscii(CPlotDoc &document, const PlotSettings &settings, const std::string &path);
// Every step: "step, average" or "step, sum" of history.itemIndex over the window. Loads
// every step, so the view's step is marked for reloading afterwards.
bool WriteHistoryAscii(CPlotDoc &document, PlotSettings &settings, const std::string &path);

// Save As ASCII: the file of the current plot type, after the step reload rule.
// Asks for the path with the export's default name; true when the user cancelled
// or the file was written, false after a message.
bool SaveAsciiCommand(CPlotDoc &document, PlotSettings &settings, const OutputPathChooser &choosePath);

// The request SaveAsciiCommand makes, for a default name.
OutputFileRequest AsciiFileRequest(const std::string &defaultName);
