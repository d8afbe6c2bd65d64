#pragma once

#include "view/PlotClipboard.h"

class ChartPlots;
class CPlotDoc;
class QWidget;
struct ColSqLayout;
struct PlotSettings;
struct ReadoutGeometry;

// Edit Copy of the plot shown: the Colored Square as pictures, a chart as its
// own. A failure to put them on the clipboard is reported.
class PlotCopy
{
public:
    // The surface showing the Colored Square, redrawn after the copy's drawing.
    explicit PlotCopy(QWidget &surface) : m_surface(surface) {}

    // Where the picture goes; the system clipboard unless a test replaces it.
    void setClipboard(PlotClipboard *clipboard) { m_clipboard = clipboard ? clipboard : &m_systemClipboard; }

    void copy(CPlotDoc &document, PlotSettings &settings, ColSqLayout &layout, ReadoutGeometry &readout,
              ChartPlots &charts);

private:
    QWidget &m_surface;
    SystemClipboard m_systemClipboard;
    PlotClipboard *m_clipboard = &m_systemClipboard;
};
