#pragma once

#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PlotSettings.h"

#include <QAbstractScrollArea>
#include <QPrinter>

#include <memory>

class ChartPlots;
class CPlotDoc;

// The plot view: a scrolling page of 1024 x 768 logical units (0.01 inch, y up)
// holding the Colored Square Plot, with the chart plots covering it while one
// of them is current. It owns every plot choice and runs the plot commands,
// printing, copying and the exports.
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

    // The page in device pixels of this screen.
    QSize pageSize() const;

    // Draws the current plot onto a printer page (also the preview's pages).
    void printPlot(QPrinter *printer);

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

    // Something changed: the draw dispatch runs once the current event is handled.
    void OnUpdate();
    // The draw dispatch: the step reload, the chart window switch, the chart
    // routines of the current plot, then a repaint of the page.
    void OnDraw();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void documentChanged();
    void updateScrollBars();
    // The layout step and the drawing onto a canvas over the painter.
    bool drawColoredSquare(QPainter &painter, double dpi, QPointF offset);

    CPlotDoc &m_document;
    PlotSettings m_settings;
    ColSqLayout m_layout;
    ReadoutGeometry m_readout;
    std::unique_ptr<ChartPlots> m_charts;
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_drawQueued = false;
};
