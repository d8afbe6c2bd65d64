#pragma once

#include "export/OutputFileRequest.h"

#include <functional>
#include <memory>

class CPlotDoc;
class QWidget;
struct PlotSettings;

// The exports of the plot shown (Save ASCII, Save DXF): each asks for its file
// and shows the "PLEASE WAIT" box from the chosen path to its end.
class PlotExports
{
public:
    // The box is made by the application; none until it sets one.
    using WaitBoxFactory = std::function<std::unique_ptr<QWidget>()>;

    // The files are chosen in a save dialog over the parent unless replaced.
    explicit PlotExports(QWidget *parent);
    ~PlotExports();

    void setWaitBoxFactory(WaitBoxFactory factory) { m_waitBoxFactory = std::move(factory); }
    void setOutputPathChooser(OutputPathChooser chooser) { m_choosePath = std::move(chooser); }

    void saveAscii(CPlotDoc &document, PlotSettings &settings);
    void saveDxf(CPlotDoc &document, PlotSettings &settings);

private:
    template<typename Export> void run(Export exportCommand, CPlotDoc &document, PlotSettings &settings);

    WaitBoxFactory m_waitBoxFactory;
    std::unique_ptr<QWidget> m_waitBox;
    OutputPathChooser m_choosePath;
};
