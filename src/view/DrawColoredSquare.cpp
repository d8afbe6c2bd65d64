#include "view/DrawColoredSquare.h"

#include "data/CPlotDoc.h"
#include "data/NumberFormat.h"
#include "data/Reporter.h"
#include "view/Canvas.h"
#include "view/ColSqCells.h"
#include "view/ColSqLayout.h"
#include "view/PaletteColors.h"
#include "model/PlotSettings.h"
#include "view/ScaleBands.h"
#include "view/ScreenPixels.h"
#include "view/StepLabel.h"

#include <cmath>

namespace {

const QColor black(0, 0, 0);
const QString fontFace = QStringLiteral("Arial Bold");
constexpr int fontWeight = 700;
constexpr int centredFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;
constexpr int labelFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;

// printf's "%12f" of the value as a double.
QString formatLabel(float value)
{
    return QString::fromStdString(NumberFormat::fixed(value, 6, 12));
}

bool gridMatches(const SeamHeader &header, const StepGrid &grid)
{
    return grid.allocated() && grid.columnCount() > 0 && grid.rowCount() > 0
           && grid.columnCount() == header.columnCount && grid.rowCount() == header.rowCount;
}

ColSqCells::Edges cellEdges(const SeamHeader &header, const ColSqLayout &layout)
{
    // Neighbouring cells share the edge computed once, so they meet exactly. The
    // world position is formed in double; LogicalX and LogicalY round it once.
    const double c = header.cellSize;
    ColSqCells::Edges edges;
    edges.columnEdges.reserve(static_cast<std::size_t>(header.columnCount) + 1);
    for (int ix = 0; ix <= header.columnCount; ++ix)
        edges.columnEdges.push_back(layout.LogicalX(double(layout.gridLeft) + layout.padX + ix * c));
    edges.rowEdges.reserve(static_cast<std::size_t>(header.rowCount) + 1);
    for (int iy = 0; iy <= header.rowCount; ++iy)
        edges.rowEdges.push_back(layout.LogicalY(double(layout.gridBottom) + layout.padY + iy * c));
    return edges;
}

// The plot's font of this height in logical units. A layout that float32 cannot
// hold (cells too small for it, or too far from the origin) gives no finite
// height, or one below a unit: no font can be made of that.
bool selectFont(Canvas &canvas, double height)
{
    if (!std::isfinite(height) || height < 1.0)
        return false;
    return canvas.selectFont({fontFace, truncateLogical(height), fontWeight});
}

bool cellsNeedImage(const Canvas &canvas, const ColSqLayout &layout, float cellSize)
{
    if (!canvas.isScreen())
        return false;
    const double pixels = std::abs(canvas.deviceTransform().m11()) * layout.scale * cellSize;
    return pixels < ColSqCells::imageCellPixels;
}

} // namespace

bool DrawColoredSquare(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, Canvas &canvas,
                       ReadoutGeometry &readout, Reporter *reporter)
{
    if (!DrawColoredSquare(document.header(), document.grid(), reporter ? *reporter : document.reporter(), settings,
                           layout, canvas, readout, document.stepRanges()))
        return false;
    // The step the grid holds, which is the one drawn; none after a failed load.
    if (!settings.stepLabel || document.heldStep() < 1)
        return true;
    return StepLabel::draw(canvas, layout,
                           StepLabel::text(document.fileName(), document.heldStep(), document.header().stepCount));
}

bool DrawColoredSquare(const SeamHeader &header, const StepGrid &grid, Reporter &reporter, PlotSettings &settings,
                       const ColSqLayout &layout, Canvas &canvas, ReadoutGeometry &readout,
                       const StepRanges *ranges)
{
    const int item = settings.colSq.itemIndex;
    // A grid the header does not describe, or an item it lacks, is never indexed.
    if (!canvas.isReady() || !gridMatches(header, grid) || item < 0 || item >= grid.itemCount())
        return false;
    const std::array<QRgb, 10> &colors = PaletteColors(settings.colSq.palette);
    canvas.setTextColor(black);

    const double gL = layout.gridLeft;
    const double gR = layout.gridRight;
    const double gB = layout.gridBottom;
    const double s = layout.side;
    const double u20 = layout.unit20;
    const double u25 = layout.unit25;
    const double u50 = layout.unit50;
    const auto X = [&layout](double x) { return layout.LogicalX(x); };
    const auto Y = [&layout](double y) { return layout.LogicalY(y); };

    if (!selectFont(canvas, layout.scale * 1.5 * u25)) {
        reporter.report("Could not create the title font");
        return false;
    }
    // The title spans the grid's own width, which padX does not shift.
    canvas.drawText({X(gL), Y(gB + s + 1.5 * u25), X(gR), Y(gB + s)}, centredFlags,
                    QString::fromStdString(settings.plotTitle));
    canvas.drawText({X(gL + s + u20), Y(gB + s + 1.5 * u25), X(gL + s + 4.5 * u20), Y(gB + s + 0.5 * u25)},
                    centredFlags, "Scale (" + QString::fromStdString(header.itemUnit(item)) + ")");

    for (int i = 0; i < 10; ++i) {
        const double boxBottom = gB + 2 * i * u20;
        canvas.drawRectangle({X(gL + s + 2 * u20), Y(boxBottom + 1.5 * u20), X(gL + s + 3.5 * u20), Y(boxBottom)},
                             black, QColor(colors[i]));
    }

    if (!selectFont(canvas, u25 * 1.25 * layout.scale))
        return false;

    ComputeScaleTable(header, grid, settings, ranges);
    for (int i = 0; i <= 10; ++i) {
        const double edge = gB + 2 * i * u20;
        canvas.drawText({X(gL + s + 4 * u20), Y(edge + 0.15 * u20), X(gL + s + 4 * u20 + 16 * u50), Y(edge - 0.65 * u20)},
                        labelFlags, formatLabel(settings.scaleTable[i]));
    }

    const ColSqCells::Edges edges = cellEdges(header, layout);
    if (cellsNeedImage(canvas, layout, header.cellSize))
        ColSqCells::drawImage(grid, item, settings.scaleTable, colors, edges, canvas);
    else
        ColSqCells::drawRuns(grid, item, settings.scaleTable, colors, edges, canvas);

    const int left = edges.columnEdges.front();
    const int right = edges.columnEdges.back();
    const int bottom = edges.rowEdges.front();
    const int top = edges.rowEdges.back();
    canvas.drawPolyline({{left, bottom}, {right, bottom}, {right, top}, {left, top}, {left, bottom}}, black);

    const QTransform mapping = canvas.deviceTransform();
    readout.gridDeviceRect = ScreenPixels::pixels(mapping, {left, top, right, bottom});
    readout.drawMapping = mapping;
    readout.cellEdges = edges;
    settings.colSqDrawn = true;
    return true;
}
