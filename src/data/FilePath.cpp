#include "data/FilePath.h"

#include <filesystem>

FilePath FilePath::split(const std::string &filePath)
{
    const std::filesystem::path path(filePath);
    FilePath parts;
    parts.fileName = path.filename().string();
    const auto dot = parts.fileName.rfind('.');
    parts.fileTitle = dot == std::string::npos || dot == 0 ? parts.fileName : parts.fileName.substr(0, dot);
    parts.fileDirectory = filePath.substr(0, filePath.size() - parts.fileName.size());
    return parts;
}
