#include "export/ColoredSquareDxf.h"

#include "data/CPlotDoc.h"
#include "data/Float32.h"
#include "data/Reporter.h"
#include "export/DxfWriter.h"
#include "export/ExportFileNames.h"
#include "data/NumberFormat.h"
#include "export/TextFileWriter.h"
#include "view/ColSqLayout.h"
#include "model/PlotSettings.h"
#include "view/ScaleBands.h"
#include "model/StepReload.h"

const std::array<int, 10> DxfBandColors{250, 174, 5, 190, 6, 1, 30, 40, 2, 7};

const std::string &DxfBandLayer(int band)
{
    static const std::array<std::string, 10> layers = [] {
        std::array<std::string, 10> names;
        for (int b = 0; b < 10; ++b)
            names[static_cast<std::size_t>(b)] = "Color" + std::to_string(b + 1);
        return names;
    }();
    return layers[static_cast<std::size_t>(band)];
}

namespace {

constexpr float noZ = 0.0f;
constexpr float noRotation = 0.0f;
constexpr int bottomCentred = 7;
constexpr int baselineLeft = 9;
constexpr int middleLeft = 3;

void writeCells(const CPlotDoc &document, const PlotSettings &settings, int &handle, TextLines &out)
{
    const SeamHeader &header = document.header();
    const StepGrid &grid = document.grid();
    const int item = settings.colSq.itemIndex;
    const int rows = grid.rowCount();
    // Edges are formed in double and rounded once.
    auto edge = [c = double(header.cellSize)](float origin, int index) { return roundedToFloat(origin + index * c); };
    auto solid = [&](float left, float right, float bottom, float top, int band) {
        DxfSolid(left, bottom, right, bottom, left, top, right, top, DxfBandLayer(band), DxfBandColors[band],
                 handle++, out);
    };
    for (int ix = 0; ix < grid.columnCount(); ++ix) {
        const float left = edge(header.originX, ix);
        const float right = edge(header.originX, ix + 1);
        const StepGrid::Column column = grid.values[ix];
        // Each column bottom to top as maximal runs of equal band, as on screen.
        float bottom = header.originY;
        int previous = BandIndex(settings.scaleTable, column[0][item]);
        for (int iy = 1; iy < rows; ++iy) {
            const int band = BandIndex(settings.scaleTable, column[iy][item]);
            if (band != previous) {
                const float top = edge(header.originY, iy);
                solid(left, right, bottom, top, previous);
                bottom = top;
                previous = band;
            }
        }
        solid(left, right, bottom, edge(header.originY, rows), previous);
    }
}

} // namespace

bool WriteColoredSquareDxf(CPlotDoc &document, PlotSettings &settings, TextLines &out)
{
    const SeamHeader &header = document.header();
    const StepGrid &grid = document.grid();
    if (settings.colSq.itemIndex < 0 || settings.colSq.itemIndex >= grid.itemCount() || grid.columnCount() < 1
        || grid.rowCount() < 1) {
        document.reporter().report("Stress item " + std::to_string(settings.colSq.itemIndex)
                                   + " is not in this file, which has " + std::to_string(grid.itemCount())
                                   + " items.");
        return false;
    }
    ColSqLayout layout;
    RunLayoutStep(header, settings, layout);
    // The positions are formed in double and handed over as float32.
    const double gL = layout.gridLeft;
    const double gR = layout.gridRight;
    const double gB = layout.gridBottom;
    const double gT = layout.gridTop;
    const double s = layout.side;
    const double u20 = layout.unit20;
    const double u25 = layout.unit25;
    const double u50 = layout.unit50;
    auto f = [](double value) { return roundedToFloat(value); };

    int handle = 11;
    DxfBeginEntities(out);
    auto text = [&](double x, double y, const std::string &content, const char *layer, int colour, double height,
                    int alignment) {
        DxfText(f(x), f(y), noZ, content, layer, colour, f(height), alignment, noRotation, handle++, out);
    };
    text(gL + 0.5 * s, gB + s + 0.5 * u25, settings.plotTitle, "TITLE", 2, 2 * u50, bottomCentred);
    text(gL + s + 1.75 * u20, gB + s + 0.5 * u25, "SCALE", "LEGEND", 2, 2 * u50, bottomCentred);
    const double maxX = header.originX + static_cast<double>(header.columnCount) * header.cellSize;
    const double maxY = header.originY + static_cast<double>(header.rowCount) * header.cellSize;
    text(gL, gB - u25, "X Min " + NumberFormat::general(header.originX), "XLABELS", 4, 1.5 * u50, baselineLeft);
    text(gL, gB - 2.5 * u25, "Y Min " + NumberFormat::general(header.originY), "YLABELS", 4, 1.5 * u50,
         baselineLeft);
    text(gL + s - 18 * u50, gB - u25, "X Max " + NumberFormat::general(maxX), "XLABELS", 4, 1.5 * u50,
         baselineLeft);
    text(gL + s - 18 * u50, gB - 2.5 * u25, "Y Max " + NumberFormat::general(maxY), "YLABELS", 4, 1.5 * u50,
         baselineLeft);

    // The band limits of the screen, also when they span all steps.
    ComputeScaleTable(header, grid, settings, document.stepRanges());
    for (int i = 0; i < 10; ++i) {
        const double y0 = gB + 2 * i * u20;
        const double y1 = y0 + 1.5 * u20;
        const double left = gL + s + u20;
        const double right = gL + s + 2.5 * u20;
        DxfSolid(f(left), f(y0), f(right), f(y0), f(left), f(y1), f(right), f(y1), DxfBandLayer(i),
                 DxfBandColors[i], handle++, out);
    }
    for (int k = 0; k <= 10; ++k)
        text(gL + s + 3 * u20, gB + 2 * k * u20 - 0.4 * u20, NumberFormat::general(settings.scaleTable[k], 6, 12),
             "LEGEND", 2, 1.5 * u50, middleLeft);

    writeCells(document, settings, handle, out);

    DxfPolyline({{gL, gB}, {gL, gT}, {gR, gT}, {gR, gB}, {gL, gB}}, 0.0f, "OUTLINE", out);
    DxfEndSection(out);
    DxfEndOfFile(out);
    return true;
}

OutputFileRequest DxfFileRequest(const std::string &defaultName)
{
    return OutputFileRequest{defaultName, "dxf", "DXF Output Files (*.dxf);;All Files (*.*)"};
}

bool SaveDxfCommand(CPlotDoc &document, PlotSettings &settings, const OutputPathChooser &choosePath)
{
    Reporter &reporter = document.reporter();
    if (!document.isLoaded()) {
        reporter.report("A Data File Must be Open - OFSAD1");
        return false;
    }
    if (!applyStepReload(document, settings))
        return false;
    if (settings.plotType != PlotType::ColoredSquare) {
        reporter.report("At this time, Sembla can only output a 3D Colored Square plot as DXF - OFSAD2");
        return false;
    }
    if (const std::string notInTheFile = stepNotInTheFileText(document, settings); !notInTheFile.empty()) {
        document.reporter().report(notInTheFile);
        return false;
    }
    const std::string path = choosePath(DxfFileRequest(GridExportName(document, settings.colSq.itemIndex)));
    if (path.empty())
        return true;
    TextFileWriter file(path);
    if (!file.open()) {
        reporter.report("Error in Opening 3D DXF Output File - SDP3D1\n");
        return false;
    }
    if (!WriteColoredSquareDxf(document, settings, file.lines()))
        return false;
    if (!file.commit()) {
        // A drawing cut short would not be replaced into place; say so rather than fail silently.
        reporter.report("Trouble Writing 3D DXF Output File - SDP3D2\n");
        return false;
    }
    return true;
}
