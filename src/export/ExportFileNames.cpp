#include "export/ExportFileNames.h"

#include "data/CPlotDoc.h"
#include "model/PlotSettings.h"

#include <algorithm>

namespace {

// Four characters, not four bytes: a name in UTF-8 is never cut inside a character.
std::string firstFourCharacters(const std::string &name)
{
    std::size_t end = 0;
    for (int characters = 0; end < name.size() && characters < 4; ++characters) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
            ++end;
    }
    return name.substr(0, end);
}

// An item named "S/N" must not send the file into a folder "title-S": path
// separators in the name become underscores. So does a NUL, which would end
// the name where the file is opened.
std::string namePiece(const std::string &itemName)
{
    std::string piece = firstFourCharacters(itemName);
    std::replace_if(piece.begin(), piece.end(), [](char c) { return c == '/' || c == '\\' || c == '\0'; }, '_');
    return piece;
}

std::string namePrefix(const CPlotDoc &document, int item)
{
    return document.GetFileDirectory() + document.GetFileTitle() + "-" + namePiece(document.header().itemName(item));
}

} // namespace

std::string GridExportName(const CPlotDoc &document, int item)
{
    return namePrefix(document, item) + "_3D";
}

std::string CrossSectionExportName(const CPlotDoc &document, const PlotSettings &settings)
{
    const char *line = settings.xsec.direction == CrossSectionDirection::ParallelToY ? "Col" : "Row";
    return namePrefix(document, settings.xsec.itemIndex) + "_2D" + line + std::to_string(settings.xsec.location);
}

std::string HistoryExportName(const CPlotDoc &document, const PlotSettings &settings)
{
    return namePrefix(document, settings.history.itemIndex) + "-Hist-X=" + std::to_string(settings.history.minX) + "-"
           + std::to_string(settings.history.maxX) + "Y=" + std::to_string(settings.history.minY) + "-"
           + std::to_string(settings.history.maxY);
}
