#include "widgets/view/PlotCopy.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "model/StepReload.h"
#include "view/ColSqLayout.h"
#include "view/ColoredSquareCopy.h"
#include "widgets/charts/ChartPlots.h"

#include <QMimeData>
#include <QWidget>

void PlotCopy::copy(CPlotDoc &document, PlotSettings &settings, ColSqLayout &layout, ReadoutGeometry &readout,
                    ChartPlots &charts)
{
    if (!document.isLoaded())
        return;
    applyStepReload(document, settings);
    if (settings.plotType == PlotType::ColoredSquare) {
        // The layout follows the open file even when no paint ran since it was opened.
        RunLayoutStep(document.header(), settings, layout);
        const auto result = m_clipboard->put(ColoredSquareCopy::mimeData(document, settings, layout, readout));
        // The readout takes its geometry back from the screen drawing, as after printing.
        m_surface.update();
        if (result != PlotClipboard::Result::Done)
            document.reporter().report(PlotClipboard::message(result));
    } else if (!charts.CopyActiveChartToClipboard(*m_clipboard)) {
        document.reporter().report(PlotClipboard::message(PlotClipboard::Result::CannotSet));
    }
}
