#pragma once

#include "view/ColSqCells.h"

#include <QRect>
#include <QTransform>

class Canvas;
class CPlotDoc;
class Reporter;
class StepGrid;
class StepRanges;
struct ColSqLayout;
struct PlotSettings;
struct SeamHeader;

// What the last completed drawing leaves for the cursor readout.
struct ReadoutGeometry
{
    // The grid outline in device units. QRect::contains() is true for the left
    // and top edges and false for the right and bottom ones.
    QRect gridDeviceRect;
    // Logical units to device units as the drawing used them; its inverse takes
    // a device point back to logical units.
    QTransform drawMapping;
    // The logical edges the cells were filled between.
    ColSqCells::Edges cellEdges;
};

// Draws the Colored Square Plot of settings.colSq.itemIndex from the step in the grid:
// title, caption, legend boxes and labels, the cells and the outline. Fills
// settings.scaleTable; on success sets settings.colSqDrawn and saves the readout
// geometry. Returns false when it could not draw everything: the canvas is not
// ready, or a font cannot be made (the title font's failure is reported); the
// readout geometry and colSqDrawn then stay as they were. With settings.stepLabel
// the page also names the file and the step the grid holds. Messages go to the
// reporter given, else to the document's.
bool DrawColoredSquare(CPlotDoc &document, PlotSettings &settings, const ColSqLayout &layout, Canvas &canvas,
                       ReadoutGeometry &readout, Reporter *reporter = nullptr);

// The plot alone, from a header and a grid that need not belong to a document;
// the ranges serve the scale over all steps.
bool DrawColoredSquare(const SeamHeader &header, const StepGrid &grid, Reporter &reporter, PlotSettings &settings,
                       const ColSqLayout &layout, Canvas &canvas, ReadoutGeometry &readout,
                       const StepRanges *ranges = nullptr);
