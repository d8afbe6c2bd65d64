#pragma once

#include "export/grid/GridWriter.h"

#include <atomic>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class CPlotDoc;
struct GridFormat;

// What a user asks of a grid export, from sembla-cli convert or the viewer's
// Export Grid dialog.
struct GridExportRequest
{
    const GridFormat *format = nullptr;
    std::string out;                  // the output name, the system's bytes
    std::optional<std::string> steps; // a step list such as "1,5,9-12"; every step without one
    std::vector<int> items;           // 0-based; every item when empty
    std::string crs;                  // "EPSG:N", or empty
};

// The content and the files of the export, or a message that says what is
// wrong with the request for this file.
std::variant<GridContent, std::string> planGridExport(const SeamHeader &header, const GridExportRequest &request);

// Writes every file of the plan, all or none: each step is loaded into the
// document's grid in turn. False after a message to the document's reporter;
// a set `cancel` stops it between steps and leaves no file.
bool writeGridExport(CPlotDoc &document, const GridFormat &format, const GridContent &content,
                     const std::atomic<bool> *cancel = nullptr);
