#include "widgets/view/CPlotView.h"

#include "widgets/charts/ChartPlots.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "view/ColoredSquareCopy.h"
#include "view/CursorReadout.h"
#include "model/PlotCommands.h"
#include "model/PullSettingsInside.h"
#include "view/QPainterCanvas.h"
#include "model/StepNavigation.h"
#include "model/StepReload.h"
#include "widgets/view/CellMenus.h"
#include "widgets/view/ReadoutTip.h"
#include "widgets/view/MiddleButtonPan.h"
#include "widgets/view/MapProbes.h"
#include "widgets/view/ThumbStyle.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Keeps the messages of a drawing made inside a paint event, where no message box may open.
class HeldMessages : public Reporter
{
public:
    void report(const std::string &message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};
} // namespace

CPlotView::CPlotView(CPlotDoc &document, QWidget *parent) : QAbstractScrollArea(parent), m_document(document)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    QPalette white = viewport()->palette();
    white.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(white);
    // Deleted with the view, after the scroll bars, which were made before it.
    auto *thumbStyle = new ThumbStyle;
    thumbStyle->setParent(this);
    horizontalScrollBar()->setStyle(thumbStyle);
    verticalScrollBar()->setStyle(thumbStyle);
    viewport()->setMouseTracking(true);
    m_readoutTip = new ReadoutTip(
        viewport(), [this](QPoint point) { return hitTestCell(point); },
        [this](int cell) {
            return QString::fromStdString(
                CursorReadout::readoutText(cell, m_document.header(), m_document.grid(), m_settings.colSq.itemIndex));
        });
    connect(m_readoutTip, &ReadoutTip::readoutChanged, this, &CPlotView::readoutChanged);
    m_charts = std::make_unique<ChartPlots>(viewport(), m_document, m_settings, m_document.reporter());
    // A cancelled or failed open brings the file before back with the plot it showed.
    connect(&m_document, &CPlotDoc::openingFileShown, this, [this](bool replacedAFile) {
        m_previousFileSettings.fileBeingReadShown(m_settings, replacedAFile);
        m_probes->clear();
    });
    connect(&m_document, &CPlotDoc::previousFileBack, this,
            [this] { m_previousFileSettings.previousFileBack(m_settings); });
    connect(&m_document, &CPlotDoc::updateAllViews, this, &CPlotView::documentChanged);
    const auto drawWhatWaits = [this] {
        if (m_waitingForSteps)
            OnUpdate();
    };
    connect(&m_document, &CPlotDoc::stepsReady, this, drawWhatWaits);
    // The ranges of all steps come with the open's end, after its last step.
    connect(&m_document, &CPlotDoc::openEnded, this, drawWhatWaits);
    // The chart under the pointer says its value where the cells say theirs.
    for (PlotType type : chartPlotTypes)
        connect(m_charts->host(type), &ChartHost::pointerReadout, this, &CPlotView::readoutChanged);
    new MiddleButtonPan(*this);
    m_cellMenus = new CellMenus(viewport(), m_settings, [this](QPoint point) { return cellAt(point); });
    connect(m_cellMenus, &CellMenus::menuOpening, m_readoutTip, &ReadoutTip::hideTip);
    connect(m_cellMenus, &CellMenus::crossSectionChosen, this, [this](const XSecChoice &choice) {
        emit commandRun();
        PlotCommands::apply(m_settings, choice, m_settings.step, m_document.header());
        OnUpdate();
    });
    connect(m_cellMenus, &CellMenus::historyChosen, this, [this](const HistoryChoice &choice) {
        emit commandRun();
        PlotCommands::apply(m_settings, choice, m_document.header());
        OnUpdate();
    });
    m_probes = new MapProbes(viewport(), [this](QPoint point) { return cellAt(point); }, *m_cellMenus,
                             m_document.reporter());
    updateScrollBars();
}

CPlotView::~CPlotView() = default;

QSize CPlotView::pageSize() const
{
    const double unit = viewport()->logicalDpiX() / 100.0;
    return QSize(qRound(CPlotDoc::pageWidth * unit), qRound(CPlotDoc::pageHeight * unit));
}

QSizeF CPlotView::shownPageSize() const
{
    return m_zoom.shownPage(viewport()->size(), pageSize());
}

QPointF CPlotView::pageOrigin() const
{
    return m_zoom.origin(viewport()->size(), pageSize(),
                         QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

void CPlotView::changeStep(int step)
{
    if (m_document.isLoaded() && StepNavigation::changeStep(m_settings, step, m_document.header().stepCount))
        OnUpdate();
}

void CPlotView::fitToWindow()
{
    m_zoom.fitToWindow();
    showZoom();
}

void CPlotView::actualSize()
{
    m_zoom.actualSize();
    showZoom();
}

void CPlotView::zoomIn()
{
    m_zoom.zoomIn(viewport()->size(), pageSize());
    showZoom();
}

void CPlotView::zoomOut()
{
    m_zoom.zoomOut(viewport()->size(), pageSize());
    showZoom();
}

void CPlotView::setZoom(bool fit, double factor)
{
    m_zoom.zoomTo(factor);
    if (fit)
        m_zoom.fitToWindow();
    showZoom();
}

double CPlotView::shownZoom() const
{
    return m_zoom.factor(viewport()->size(), pageSize());
}

void CPlotView::setScaleOverAllSteps(bool on)
{
    m_settings.colSqScaleOverAllSteps = on;
    OnUpdate();
}

void CPlotView::setStepLabel(bool on)
{
    m_settings.stepLabel = on;
    OnUpdate();
}

void CPlotView::showZoom()
{
    updateScrollBars();
    viewport()->update();
    emit zoomChanged();
}

void CPlotView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int turn = event->angleDelta().y();
    if (turn != 0) {
        const QPoint scroll = m_zoom.zoomAbout(viewport()->size(), pageSize(),
                                               QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()),
                                               event->position(), turn > 0 ? PageZoom::step : 1 / PageZoom::step);
        showZoom();
        horizontalScrollBar()->setValue(scroll.x());
        verticalScrollBar()->setValue(scroll.y());
    }
    event->accept();
}

void CPlotView::documentChanged()
{
    if (m_document.isLoaded())
        pullSettingsInside(m_document.header(), m_settings);
    // Another file is seen whole first; the first of a session keeps the remembered zoom.
    const std::string shown = m_document.GetFileDirectory() + m_document.fileName();
    if (m_document.isLoaded() && shown != m_shownFile) {
        if (!m_shownFile.empty())
            fitToWindow();
        m_shownFile = shown;
        m_probes->clear();
    }
    OnUpdate();
}

void CPlotView::OnUpdate()
{
    if (m_drawQueued)
        return;
    m_drawQueued = true;
    QMetaObject::invokeMethod(this, &CPlotView::OnDraw, Qt::QueuedConnection);
}

void CPlotView::OnDraw()
{
    m_drawQueued = false;
    m_paintMessagesShown = false;
    // A file being read shows a plot once the steps it needs are read.
    m_waitingForSteps = m_document.isLoaded()
                        && (!m_document.stepReady(lastStepNeeded(m_document.header(), m_settings))
                            || (needsStepRanges(m_settings) && !m_document.stepRanges()));
    if (m_document.isLoaded() && !m_waitingForSteps) {
        if (m_settings.plotType != PlotType::ColoredSquare)
            m_settings.colSqDrawn = false;
        applyStepReload(m_document, m_settings);
        if (m_settings.plotType != m_settings.previousPlotType)
            m_charts->SwitchChartWindows();
        m_charts->DrawActiveChart();
        m_settings.previousPlotType = m_settings.plotType;
    }
    // Without a file, or while waiting for its steps, the view is blank, also where a chart stood.
    for (PlotType type : chartPlotTypes) {
        ChartHost *chart = m_charts->host(type);
        if (chart && chart->control() && (type == m_settings.plotType || m_waitingForSteps))
            chart->control()->setVisible(m_document.isLoaded() && !m_waitingForSteps);
    }
    if (m_waitingForSteps)
        m_settings.colSqDrawn = false;
    // A chart or a blank view has no cells: no readout stays from the last one.
    if (!m_document.isLoaded() || m_settings.plotType != PlotType::ColoredSquare || m_waitingForSteps)
        m_readoutTip->clear();
    updateScrollBars();
    viewport()->update();
    emit plotChanged();
}

bool CPlotView::drawColoredSquare(QPainter &painter, double dpi, QPointF offset, Reporter &reporter,
                                  QPainterCanvas::Fills fills)
{
    RunLayoutStep(m_document.header(), m_settings, m_layout);
    QPainterCanvas canvas(painter, dpi, offset, fills);
    return DrawColoredSquare(m_document, m_settings, m_layout, canvas, m_readout, &reporter);
}

void CPlotView::paintEvent(QPaintEvent *)
{
    // Whatever this paint shows, the readout of a resting pointer follows it once the paint is done.
    QMetaObject::invokeMethod(m_readoutTip, &ReadoutTip::drawingChanged, Qt::QueuedConnection);
    QMetaObject::invokeMethod(&m_probes->pinning(), &ProbePinning::drawingChanged, Qt::QueuedConnection);
    if (m_waitingForSteps) {
        QPainter painter(viewport());
        painter.setPen(Qt::darkGray);
        painter.drawText(viewport()->rect(), Qt::AlignCenter,
                         QString::fromStdString(waitingText(m_document.header(), m_settings)));
        return;
    }
    if (!m_document.isLoaded() || m_settings.plotType != PlotType::ColoredSquare)
        return;
    // The step is loaded by the draw dispatch, never inside a paint, where no
    // message box may open; a step that could not be loaded shows nothing.
    if (m_settings.stepReloadPending) {
        OnUpdate();
        return;
    }
    if (m_document.heldStep() != m_settings.step) {
        m_settings.colSqDrawn = false;
        return;
    }
    HeldMessages held;
    {
        QPainter painter(viewport());
        if (drawColoredSquare(painter, viewport()->logicalDpiX() * m_zoom.factor(viewport()->size(), pageSize()),
                              pageOrigin(), held, QPainterCanvas::Fills::EachRun)) {
            painter.resetTransform();
            m_probes->paint(painter, m_readout);
        }
    }
    if (held.messages.empty() || m_paintMessagesShown)
        return;
    m_paintMessagesShown = true;
    QMetaObject::invokeMethod(
        this,
        [this, messages = std::move(held.messages)] {
            for (const std::string &message : messages)
                m_document.reporter().report(message);
        },
        Qt::QueuedConnection);
}

void CPlotView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    // A fitted page takes another zoom with the window's size.
    if (m_zoom.fitsWindow())
        emit zoomChanged();
}

void CPlotView::scrollContentsBy(int, int)
{
    viewport()->update();
}

int CPlotView::hitTestCell(QPoint point) const
{
    return CursorReadout::HitTestCell(point, m_settings, m_document.isLoaded(), m_document.header(), m_readout);
}

std::optional<QPoint> CPlotView::cellAt(QPoint point) const
{
    const int cell = hitTestCell(point);
    if (cell == 0)
        return std::nullopt;
    const CursorReadout::Cell decoded = CursorReadout::decode(cell, m_document.header().rowCount);
    return QPoint(decoded.ix + 1, decoded.iy + 1);
}

void CPlotView::mouseMoveEvent(QMouseEvent *event)
{
    m_readoutTip->pointerMoved(event->position().toPoint());
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CPlotView::leaveEvent(QEvent *event)
{
    m_readoutTip->clear();
    QAbstractScrollArea::leaveEvent(event);
}

void CPlotView::updateScrollBars()
{
    // A chart fills the view and follows its size: nothing to scroll then.
    const bool chartShown = m_document.isLoaded() && m_settings.plotType != PlotType::ColoredSquare;
    const QSize page = chartShown ? QSize(0, 0) : shownPageSize().toSize();
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, page.width() - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    horizontalScrollBar()->setSingleStep(qMax(1, page.width() / 100));
    verticalScrollBar()->setRange(0, qMax(0, page.height() - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
    verticalScrollBar()->setSingleStep(qMax(1, page.height() / 100));
}

void CPlotView::printPlot(QPrinter *printer)
{
    if (!m_document.isLoaded())
        return;
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    applyStepReload(m_document, m_settings);
    if (m_settings.plotType == PlotType::ColoredSquare) {
        // The page is 10.24 x 7.68 inches; paper with less room gets it shrunk to fit, never cut off.
        const QSizeF printable = printer->pageRect(QPrinter::Inch).size();
        const double fit = std::min({1.0, printable.width() * 100.0 / CPlotDoc::pageWidth,
                                     printable.height() * 100.0 / CPlotDoc::pageHeight});
        // Paper and PDF get the fills of vector pictures: no seam where the printer blends edges.
        drawColoredSquare(painter, printer->resolution() * fit, QPointF(), m_document.reporter(),
                          QPainterCanvas::Fills::MergedByColour);
    } else {
        const QSize printable = printer->pageRect(QPrinter::DevicePixel).size().toSize();
        m_charts->PrintActiveChart(painter, QRect(QPoint(0, 0), printable));
    }
    // The screen drawing takes the readout geometry back from the printer's.
    viewport()->update();
}

void CPlotView::OnFilePrint()
{
    m_printing.print();
}

void CPlotView::OnFilePrintPreview()
{
    m_printing.preview();
}

void CPlotView::OnFilePrintSetup()
{
    m_printing.pageSetup();
}

void CPlotView::OnColoredSquarePlot()
{
    if (m_plotCommands.coloredSquare())
        OnUpdate();
}

void CPlotView::OnCrossSectionPlot()
{
    if (m_plotCommands.crossSection())
        OnUpdate();
}

void CPlotView::OnHistoryPlot()
{
    if (m_plotCommands.history())
        OnUpdate();
}

void CPlotView::OnFishNetPlot()
{
    if (m_plotCommands.fishNet())
        OnUpdate();
}

void CPlotView::CopyPlotCommand()
{
    if (!m_document.isLoaded())
        return;
    applyStepReload(m_document, m_settings);
    if (m_settings.plotType == PlotType::ColoredSquare) {
        // The layout follows the open file even when no paint ran since it was opened.
        RunLayoutStep(m_document.header(), m_settings, m_layout);
        const auto result = m_clipboard->put(ColoredSquareCopy::mimeData(m_document, m_settings, m_layout, m_readout));
        // The readout takes its geometry back from the screen drawing, as after printing.
        viewport()->update();
        if (result != PlotClipboard::Result::Done)
            m_document.reporter().report(PlotClipboard::message(result));
    } else if (!m_charts->CopyActiveChartToClipboard(*m_clipboard)) {
        m_document.reporter().report(PlotClipboard::message(PlotClipboard::Result::CannotSet));
    }
}

void CPlotView::SaveAsciiCommand()
{
    m_exports.saveAscii(m_document, m_settings);
}

void CPlotView::SaveDxfCommand()
{
    m_exports.saveDxf(m_document, m_settings);
}
