#include "export/AsciiExport.h"

#include "charts/CrossSectionPoints.h"
#include "charts/HistoryValues.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/ExportFileNames.h"
#include "export/TextFileWriter.h"
#include "model/PlotSettings.h"
#include "model/StepReload.h"

#include <functional>
#include <vector>

namespace {

struct Messages
{
    const char *opening;
    const char *writing;
};

constexpr Messages gridMessages{"Error in Opening 3D ASCII Output File - SA3D2\n",
                                "Trouble Writing 3D ASCII Output File - SA3D2\n"};
constexpr Messages rowMessages{"Error in Opening 2D ASCII Output File - SA2D1\n",
                               "Trouble Writing 2D ASCII Output File - SA2D2\n"};
constexpr Messages columnMessages{"Error in Opening 2D ASCII Output File - SA2D1\n",
                                  "Trouble Writing 2D ASCII Output File - SA2D3\n"};
constexpr Messages historyMessages{"Error in Opening 2D History Output File - SA2DH1\n",
                                   "Trouble Writing 2D History Output File - SA2DH2\n"};

// Centre of cell `index` along one axis: the origin plus half a cell in float32,
// then the product and the sum in double, as the cross section forms its positions.
double cellCentre(float origin, float cellSize, int index)
{
    const float first = origin + cellSize * 0.5f;
    return index * static_cast<double>(cellSize) + first;
}

// Settings kept from an earlier file can point past this one's grid.
bool itemFits(CPlotDoc &document, int item)
{
    if (item >= 0 && item < document.grid().itemCount())
        return true;
    document.reporter().report("Stress item " + std::to_string(item) + " is not in this file, which has "
                               + std::to_string(document.grid().itemCount()) + " items.");
    return false;
}

// Opens the file, lets `write` fill it, and reports the export's message when
// the file cannot be opened or not every line reached it. `write` returns false
// when it stopped for a reason of its own, already reported.
template<typename Write>
bool writeFile(CPlotDoc &document, const std::string &path, const Messages &messages, Write write)
{
    TextFileWriter file(path);
    if (!file.open()) {
        document.reporter().report(messages.opening);
        return false;
    }
    if (!write(file.lines()))
        return false;
    if (!file.commit()) {
        document.reporter().report(messages.writing);
        return false;
    }
    return true;
}

} // namespace

bool WriteGridAscii(CPlotDoc &document, int item, const std::string &path)
{
    if (!itemFits(document, item))
        return false;
    const SeamHeader &header = document.header();
    const StepGrid &grid = document.grid();
    return writeFile(document, path, gridMessages, [&](TextLines &lines) {
        std::vector<double> y(static_cast<std::size_t>(grid.rowCount()));
        for (int iy = 0; iy < grid.rowCount(); ++iy)
            y[static_cast<std::size_t>(iy)] = cellCentre(header.originY, header.cellSize, iy);
        for (int ix = 0; ix < grid.columnCount() && !lines.failed(); ++ix) {
            // The grid's x passes through float32 once more.
            const double x = static_cast<float>(cellCentre(header.originX, header.cellSize, ix));
            const StepGrid::Column column = grid.values[ix];
            for (int iy = 0; iy < grid.rowCount(); ++iy) {
                lines.general(x).text(", ").general(y[static_cast<std::size_t>(iy)]).text(", ");
                lines.general(column[iy][item]).endLine();
            }
        }
        return true;
    });
}

bool WriteCrossSectionAscii(CPlotDoc &document, const PlotSettings &settings, const std::string &path)
{
    const StepGrid &grid = document.grid();
    const bool alongX = settings.xsec.direction != CrossSectionDirection::ParallelToY;
    if (!CrossSectionPoints::fits(grid, settings)) {
        document.reporter().report(std::string("The cross section of stress item ") + std::to_string(settings.xsec.itemIndex)
                                   + " at " + (alongX ? "row " : "column ") + std::to_string(settings.xsec.location)
                                   + " is outside this file's " + std::to_string(grid.itemCount()) + " items and "
                                   + std::to_string(grid.columnCount()) + " columns by "
                                   + std::to_string(grid.rowCount()) + " rows.");
        return false;
    }
    const QList<QPointF> points = CrossSectionPoints::compute(document.header(), grid, settings);
    return writeFile(document, path, alongX ? rowMessages : columnMessages, [&](TextLines &lines) {
        for (const QPointF &point : points)
            lines.general(point.x()).text(", ").general(point.y()).endLine();
        return true;
    });
}

bool WriteHistoryAscii(CPlotDoc &document, PlotSettings &settings, const std::string &path)
{
    return writeFile(document, path, historyMessages, [&](TextLines &lines) {
        const HistoryValues values = ComputeHistoryValues(document, settings);
        if (!values.complete())
            return false;
        const std::vector<double> &column = settings.history.mode == HistoryMode::Total ? values.sums : values.averages;
        for (std::size_t s = 0; s < column.size(); ++s)
            lines.integer(static_cast<long long>(s) + 1).text(", ").general(column[s]).endLine();
        return true;
    });
}

OutputFileRequest AsciiFileRequest(const std::string &defaultName)
{
    return OutputFileRequest{defaultName, "asc", "ASCII Output Files (*.asc);;All Files (*.*)"};
}

bool SaveAsciiCommand(CPlotDoc &document, PlotSettings &settings, const OutputPathChooser &choosePath)
{
    if (!document.isLoaded()) {
        document.reporter().report("A Data File Must be Open - OFSAA1");
        return false;
    }
    if (!applyStepReload(document, settings))
        return false;

    if (!factsOf(settings.plotType)) {
        document.reporter().report("Unknown plot type - OFSAA3");
        return false;
    }
    if (const std::string notInTheFile = stepNotInTheFileText(document, settings); !notInTheFile.empty()) {
        document.reporter().report(notInTheFile);
        return false;
    }
    // The default name and the writer: the cross section and the history have
    // layouts of their own, every other plot writes the grid of its item.
    std::string defaultName;
    std::function<bool(const std::string &)> write;
    if (settings.plotType == PlotType::CrossSection) {
        defaultName = CrossSectionExportName(document, settings);
        write = [&](const std::string &path) { return WriteCrossSectionAscii(document, settings, path); };
    } else if (settings.plotType == PlotType::History) {
        defaultName = HistoryExportName(document, settings);
        write = [&](const std::string &path) { return WriteHistoryAscii(document, settings, path); };
    } else {
        const int item = settings.activeItem();
        defaultName = GridExportName(document, item);
        write = [&document, item](const std::string &path) { return WriteGridAscii(document, item, path); };
    }
    const std::string path = choosePath(AsciiFileRequest(defaultName));
    return path.empty() || write(path);
}
