#pragma once

#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PageZoom.h"
#include "view/PlotClipboard.h"
#include "model/PlotSettings.h"
#include "model/PreviousFileSettings.h"
#include "view/QPainterCanvas.h"

#include "export/OutputFileRequest.h"
#include "widgets/view/PlotCommandDialogs.h"
#include "widgets/view/PlotExports.h"
#include "widgets/view/PrintCommands.h"

#include <QAbstractScrollArea>
#include <QPrinter>

#include <functional>
#include <memory>
#include <optional>

class CellMenus;
class ChartPlots;
class MapProbes;
class CPlotDoc;
class ReadoutTip;
class Reporter;

// The plot view: a scrolling page of 1024 x 768 logical units (0.01 inch, y up)
// holding the Colored Square Plot, with the chart plots covering it while one
// of them is current. It owns every plot choice and wires the parts that run
// the plot commands, printing, copying and the exports.
class CPlotView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CPlotView(CPlotDoc &document, QWidget *parent = nullptr);
    ~CPlotView() override;

    PlotSettings &settings() { return m_settings; }
    const PlotSettings &settings() const { return m_settings; }
    const ColSqLayout &layout() const { return m_layout; }
    const ReadoutGeometry &readoutGeometry() const { return m_readout; }
    ChartPlots &charts() { return *m_charts; }
    // The probes pinned on the map, and the cell under the pointer, for the panels.
    MapProbes &probes() { return *m_probes; }

    // The page in device pixels of this screen, at its true size and as shown.
    QSize pageSize() const;
    QSizeF shownPageSize() const;
    const PageZoom &zoom() const { return m_zoom; }
    // The zoom the page is shown at now, 1 at its true size.
    double shownZoom() const;

    // Draws the current plot onto a printer page (also the preview's pages).
    void printPlot(QPrinter *printer);

    // The "PLEASE WAIT" box the exports show while they write; the application makes it.
    using WaitBoxFactory = PlotExports::WaitBoxFactory;
    void setWaitBoxFactory(WaitBoxFactory factory) { m_exports.setWaitBoxFactory(std::move(factory)); }
    // Where Edit Copy puts the picture; the system clipboard unless a test replaces it.
    void setClipboard(PlotClipboard *clipboard) { m_clipboard = clipboard ? clipboard : &m_systemClipboard; }
    // How the exports choose their file; a save dialog unless a test replaces it.
    void setOutputPathChooser(OutputPathChooser chooser) { m_exports.setOutputPathChooser(std::move(chooser)); }

signals:
    // The readout of the cell or chart point under the pointer, empty off the grid.
    void readoutChanged(const QString &text);
    // A draw dispatch ran: the plot or its step may be another now.
    void plotChanged();
    // The page was fitted to the view, or left the fit.
    void zoomChanged();
    // A command of the view's own ran (a cell's context menu).
    void commandRun();

public slots:
    void OnColoredSquarePlot();
    void OnCrossSectionPlot();
    void OnHistoryPlot();
    void OnFishNetPlot();
    void CopyPlotCommand();
    void SaveAsciiCommand();
    void SaveDxfCommand();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

    // The shared step of the plots that show one; a changed one is drawn.
    void changeStep(int step);

    // The page fitted to the view, at its true size, or a zoom step larger or smaller.
    void fitToWindow();
    void actualSize();
    void zoomIn();
    void zoomOut();
    // A remembered zoom: fitted, or at the factor.
    void setZoom(bool fit, double factor);

    // View choices of the Colored Square Plot: the scale over all steps, the step label.
    void setScaleOverAllSteps(bool on);
    void setStepLabel(bool on);

    // Something changed: the draw dispatch runs once the current event is handled.
    void OnUpdate();
    // The draw dispatch: the step reload, the chart window switch, the chart
    // routines of the current plot, then a repaint of the page.
    void OnDraw();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void documentChanged();
    int hitTestCell(QPoint point) const;
    std::optional<QPoint> cellAt(QPoint point) const;
    QPointF pageOrigin() const;
    // The page at its new zoom: scroll bars, a repaint, the View menu's check.
    void showZoom();
    void updateScrollBars();
    // The layout step and the drawing onto a canvas over the painter.
    bool drawColoredSquare(QPainter &painter, double dpi, QPointF offset, Reporter &reporter,
                           QPainterCanvas::Fills fills);

    CPlotDoc &m_document;
    PlotSettings m_settings;
    PreviousFileSettings m_previousFileSettings;
    ColSqLayout m_layout;
    ReadoutGeometry m_readout;
    std::unique_ptr<ChartPlots> m_charts;
    PageZoom m_zoom;
    // The file shown last: another file opens fitted.
    std::string m_shownFile;
    CellMenus *m_cellMenus = nullptr;
    PrintCommands m_printing{this, [this](QPrinter *printer) { printPlot(printer); }};
    bool m_drawQueued = false;
    // The plot needs a step of the file being read that is not read yet.
    bool m_waitingForSteps = false;
    // A screen drawing's messages show once after its paint, until the next draw
    // dispatch: every scroll or expose repaints, and must not repeat them.
    bool m_paintMessagesShown = false;
    ReadoutTip *m_readoutTip = nullptr;
    MapProbes *m_probes = nullptr;
    PlotCommandDialogs m_plotCommands{m_document, m_settings, this};
    PlotExports m_exports{this};
    SystemClipboard m_systemClipboard;
    PlotClipboard *m_clipboard = &m_systemClipboard;
};
