#include "widgets/view/PlotExports.h"

#include "export/AsciiExport.h"
#include "export/ColoredSquareDxf.h"
#include "widgets/view/SaveFileDialog.h"

#include <QWidget>

PlotExports::PlotExports(QWidget *parent)
    : m_choosePath([parent](const OutputFileRequest &request) { return askForOutputPath(parent, request); })
{
}

PlotExports::~PlotExports() = default;

template<typename Export> void PlotExports::run(Export exportCommand, CPlotDoc &document, PlotSettings &settings)
{
    const OutputPathChooser chooseAndWait = [this](const OutputFileRequest &request) {
        std::string path = m_choosePath(request);
        if (!path.empty() && !m_waitBox && m_waitBoxFactory)
            m_waitBox = m_waitBoxFactory();
        return path;
    };
    exportCommand(document, settings, chooseAndWait);
    m_waitBox.reset();
}

void PlotExports::saveAscii(CPlotDoc &document, PlotSettings &settings)
{
    run(::SaveAsciiCommand, document, settings);
}

void PlotExports::saveDxf(CPlotDoc &document, PlotSettings &settings)
{
    run(::SaveDxfCommand, document, settings);
}
