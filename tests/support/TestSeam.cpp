#include "support/TestSeam.h"

#include <cstdio>
#include <fstream>

namespace {

std::string fieldList(const std::vector<std::string> &given, int count, const char *prefix)
{
    std::string line = std::to_string(count);
    for (int k = 0; k < count; ++k)
        line += ", " + (k < int(given.size()) ? given[k] : prefix + std::to_string(k));
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

TestSeam &TestSeam::sized(int stepCount, int columnCount, int rowCount, int itemCount)
{
    steps = stepCount;
    columns = columnCount;
    rows = rowCount;
    items = itemCount;
    return *this;
}

TestSeam &TestSeam::cells(float size, float x, float y)
{
    cellSize = size;
    originX = x;
    originY = y;
    return *this;
}

TestSeam &TestSeam::named(std::vector<std::string> itemNames, std::vector<std::string> itemUnits)
{
    names = std::move(itemNames);
    units = std::move(itemUnits);
    return *this;
}

TestSeam &TestSeam::valued(Value itemValue)
{
    value = std::move(itemValue);
    return *this;
}

bool writeSeamFile(const std::string &path, const TestSeam &seam)
{
    std::ofstream out(path, std::ios::binary);
    out << seam.steps << ", 0, " << exact(seam.cellSize) << ", " << seam.columns << ", " << seam.rows << ", "
        << exact(seam.originX) << ", " << exact(seam.originY) << "\n";
    out << fieldList(seam.names, seam.items, "Item ") << "\n" << fieldList(seam.units, seam.items, "U ") << "\n";
    for (int s = 1; s <= seam.steps; ++s)
        for (int ix = 0; ix < seam.columns; ++ix)
            for (int iy = 0; iy < seam.rows; ++iy) {
                for (int k = 0; k < seam.items; ++k)
                    out << (k ? ", " : "") << exact(seam.value(s, ix, iy, k));
                out << "\n";
            }
    return bool(out.flush());
}

OpenedSeam::OpenedSeam(const TestSeam &seam, const QString &fileName)
{
    const std::string file = path(fileName);
    m_opened = writeSeamFile(file, seam) && document.openFile(file) == CPlotDoc::OpenResult::Opened;
}

std::string OpenedSeam::path(const QString &name) const
{
    return folder.filePath(name).toStdString();
}
