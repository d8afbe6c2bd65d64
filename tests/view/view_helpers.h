#pragma once

#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "support/RecordingReporter.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "model/PlotSettings.h"
#include "view/QPainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <string>
#include <vector>

using CellValue = std::function<float(int ix, int iy)>;

// The header of a file of one step and one item, "Vertical Stress" in "MPa", over a grid of cells.
SeamHeader gridHeader(int columns, int rows, float cellSize, float originX = 0.0f, float originY = 0.0f);

// The grids that the layout and the drawing are both checked on, as the test data
// columns "columns", "rows", "cellSize", "originX" and "originY".
void addGridShapes();

// One step of one item held in memory, as a document would hold it after File Open.
struct MemoryGrid
{
    MemoryGrid(int columns, int rows, float cellSize, const CellValue &value, float originX = 0.0f,
               float originY = 0.0f);

    SeamHeader header;
    StepGrid grid;
};

// The QPainter canvas answering as paper does: one fill per run even on an
// image, as printed, PDF and SVG output always had the cells, or the fills
// merged by colour as the PDF has them now.
class PaperCanvas : public Canvas
{
public:
    PaperCanvas(QPainter &painter, double dpi, QPainterCanvas::Fills fills = QPainterCanvas::Fills::EachRun)
        : m_canvas(painter, dpi, {}, fills)
    {
    }
    bool isReady() const override { return m_canvas.isReady(); }
    bool isScreen() const override { return false; }
    QTransform deviceTransform() const override { return m_canvas.deviceTransform(); }
    void setTextColor(const QColor &color) override { m_canvas.setTextColor(color); }
    bool selectFont(const FontSpec &font) override { return m_canvas.selectFont(font); }
    void drawText(const LogicalRect &rect, int flags, const QString &text) override
    {
        m_canvas.drawText(rect, flags, text);
    }
    void fillRect(const LogicalRect &rect, const QColor &color) override { m_canvas.fillRect(rect, color); }
    void drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush) override
    {
        m_canvas.drawRectangle(rect, pen, brush);
    }
    void drawPolyline(const std::vector<QPoint> &points, const QColor &pen) override
    {
        m_canvas.drawPolyline(points, pen);
    }
    void drawImage(const LogicalRect &rect, const QImage &image) override { m_canvas.drawImage(rect, image); }

private:
    QPainterCanvas m_canvas;
};

// A white page of 1024 x 768 logical units at this many dots per inch.
QImage whitePage(int dpi);
// Values spread evenly over 0..10, the same for the same seed.
std::vector<float> randomCells(int count, unsigned seed);

// Draws the plot of the data onto the page, on a canvas of type C made of the
// painter, the dpi and the further arguments.
template <typename C, typename... Arguments>
bool drawOnto(QImage &page, int dpi, const MemoryGrid &data, PlotSettings &settings, Arguments... arguments)
{
    QPainter painter(&page);
    C canvas(painter, dpi, arguments...);
    ColSqLayout layout;
    RunLayoutStep(data.header, settings, layout);
    RecordingReporter reporter;
    ReadoutGeometry readout;
    return DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, readout);
}
