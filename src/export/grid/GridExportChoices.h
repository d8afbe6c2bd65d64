#pragma once

#include "export/OutputFileRequest.h"
#include "export/grid/GridExport.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

struct GridFormat;

// The choices of the viewer's Export Grid dialog and their rules: the format,
// the steps as a step list, the stress items ticked, and the reference system
// of a GeoTIFF. The same planning as sembla-cli convert judges them.
struct GridExportChoices
{
    int format = 0;          // index into gridFormats()
    std::string steps;       // a step list such as "1,5,9-12"
    std::vector<bool> items; // ticked, one per stress item of the file
    std::string crs;         // "EPSG:N" or empty; counts only where the format takes one

    // Every step and every item, as NetCDF.
    static GridExportChoices defaults(const SeamHeader &header);

    const GridFormat &gridFormat() const;
    // Whether the reference-system field takes input.
    bool crsApplies() const;
    // What the save dialog offers: the directory and file title given, with a
    // numbered name ("-%d") where the format writes several files of one
    // pattern, the format's extension and its filter.
    OutputFileRequest fileRequest(const std::string &directoryAndTitle, const SeamHeader &header) const;
    // The request for a chosen output name.
    GridExportRequest request(const std::string &out) const;
    // The export of this file into the chosen output name, or a message (a
    // sentence for a message box) that says what is wrong.
    std::variant<GridContent, std::string> plan(const SeamHeader &header, const std::string &out) const;
    // What is wrong with the choices for this file, before a name is asked for.
    std::optional<std::string> check(const SeamHeader &header) const;
};
