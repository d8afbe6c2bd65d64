#include "chart_helpers.h"

#include <cstdio>
#include <fstream>

namespace {

std::string fieldList(const std::vector<std::string> &fields)
{
    std::string line = std::to_string(fields.size());
    for (const std::string &field : fields)
        line += ", " + field;
    return line;
}

// Nine significant digits carry every float32 through the text exactly.
std::string exact(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

} // namespace

OpenedSeam::OpenedSeam(const TestSeam &seam)
{
    const std::string path = folder.filePath("test.f1").toStdString();
    {
        std::ofstream out(path, std::ios::binary);
        out << seam.steps << ", 0, " << exact(seam.cellSize) << ", " << seam.columns << ", " << seam.rows << ", "
            << exact(seam.originX) << ", " << exact(seam.originY) << "\n";
        out << fieldList(seam.names) << "\n" << fieldList(seam.units) << "\n";
        for (int s = 1; s <= seam.steps; ++s)
            for (int ix = 0; ix < seam.columns; ++ix)
                for (int iy = 0; iy < seam.rows; ++iy) {
                    for (int k = 0; k < seam.items; ++k)
                        out << (k ? ", " : "") << exact(seam.value(s, ix, iy, k));
                    out << "\n";
                }
    }
    m_opened = document.openFile(path) == CPlotDoc::OpenResult::Opened;
}

void chooseChart(PlotSettings &settings, PlotType type)
{
    settings.previousPlotType = settings.plotType;
    settings.plotType = type;
    if (type == PlotType::CrossSection)
        settings.xsecNeedsData = true;
    if (type == PlotType::History)
        settings.histNeedsData = true;
    if (type == PlotType::FishNet)
        settings.fishnetNeedsData = true;
}
