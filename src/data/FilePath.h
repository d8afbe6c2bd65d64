#pragma once

#include <string>

// The three names the document keeps of a chosen file.
struct FilePath
{
    std::string fileName;      // name with extension: run.f2
    std::string fileTitle;     // name without its extension: run
    std::string fileDirectory; // the path less the name, ending with its separator

    static FilePath split(const std::string &filePath);
};
