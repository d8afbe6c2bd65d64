#include "export/ExportFileNames.h"

#include "data/CPlotDoc.h"
#include "view/PlotSettings.h"

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

std::string namePrefix(const CPlotDoc &document, int item)
{
    return document.GetFileDirectory() + document.GetFileTitle() + "-"
           + firstFourCharacters(document.header().itemName(item));
}

} // namespace

std::string GridExportName(const CPlotDoc &document, int item)
{
    return namePrefix(document, item) + "_3D";
}

std::string CrossSectionExportName(const CPlotDoc &document, const PlotSettings &settings)
{
    const char *line = settings.xsecDirection == CrossSectionDirection::ParallelToY ? "Col" : "Row";
    return namePrefix(document, settings.xsecItem) + "_2D" + line + std::to_string(settings.xsecLocation);
}

std::string HistoryExportName(const CPlotDoc &document, const PlotSettings &settings)
{
    return namePrefix(document, settings.histItem) + "-Hist-X=" + std::to_string(settings.histMinX) + "-"
           + std::to_string(settings.histMaxX) + "Y=" + std::to_string(settings.histMinY) + "-"
           + std::to_string(settings.histMaxY);
}
