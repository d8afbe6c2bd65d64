#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class GridWriter;

// The grid formats other programs read, in one table: the name --format takes,
// the extension that chooses the format, and what the format holds.
struct GridFormat
{
    const char *name;      // for --format: "netcdf"
    const char *title;     // for a list of choices: "NetCDF (*.nc)"
    const char *extension; // without the dot
    const char *alsoExtension; // another spelling, or nullptr
    bool chosenByExtension; // false where the extension also names another export
    bool filePerStep;      // one file per step, named from a numbered pattern
    bool oneItem;          // a file holds one stress item
    bool takesCrs;         // --crs sets its reference system
    std::unique_ptr<GridWriter> (*makeWriter)();
};

const std::vector<GridFormat> &gridFormats();

// The format a --format name, or else the output name's extension, chooses; a
// message that names the choices otherwise.
std::variant<const GridFormat *, std::string> chooseGridFormat(const std::string &outputName,
                                                               const std::optional<std::string> &formatName);
