#include "data/FilePath.h"

#include <filesystem>

FilePath FilePath::split(const std::string &filePath)
{
    const std::filesystem::path path(filePath);
    FilePath parts;
    parts.fileName = path.filename().string();
    const auto dot = parts.fileName.rfind('.');
    // A name that is only an extension (".f1") has an empty title, as the file dialog gives it.
    parts.fileTitle = parts.fileName.substr(0, dot);
    parts.fileDirectory = filePath.substr(0, filePath.size() - parts.fileName.size());
    return parts;
}
