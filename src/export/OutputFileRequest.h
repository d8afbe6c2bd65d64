#pragma once

#include <functional>
#include <string>

// What an export asks of whoever chooses its file: the viewer shows a save
// dialog (filter, default suffix, overwrite prompt), sembla-cli takes -o or
// the default name with the suffix added.
struct OutputFileRequest
{
    std::string defaultName;   // full path without extension
    std::string defaultSuffix; // without the dot: "asc", "dxf"
    std::string filter;        // for a save dialog, ";;" between the entries
};

// Returns the chosen path, or an empty one when the user cancelled. The viewer
// shows its "PLEASE WAIT" box once a path is chosen and closes it when the
// export returns.
using OutputPathChooser = std::function<std::string(const OutputFileRequest &request)>;
