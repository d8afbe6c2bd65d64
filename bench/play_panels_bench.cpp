// Play at 10 steps a second on a 1000 x 1000 grid with the Section, History and
// Probes panels open and 8 probes pinned: each step, from the step change to the
// repainted map and panels, must end within the 100 ms Play gives it, or the
// next frame is late.
//
//   play_panels_bench [--repeats N]   (N rounds over the steps, default 3)
//
// Writes a file of 1000 x 1000 elements, one item and 10 steps of random values
// into a temporary folder and opens it in the main window on the offscreen
// platform. Exit status 1 when a step takes longer than the period.

#include "BenchSupport.h"
#include "PrintingReporter.h"
#include "app/CMainFrame.h"
#include "app/PanelDocks.h"
#include "app/ProbePanelsBinding.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "model/ProbeSet.h"
#include "widgets/view/CPlotView.h"
#include "widgets/view/MapProbes.h"

#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <iostream>
#include <random>
#include <vector>

namespace {

constexpr int gridSize = 1000;
constexpr int stepCount = 10;
constexpr double period = 0.100; // s, 10 steps a second

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Bench::Options options = Bench::parseOptions(app.arguments(), 3);
    QTemporaryDir dir;
    const std::string path = dir.filePath("run.f1").toStdString();
    std::cout << "Writing 1000 x 1000 elements, " << stepCount << " steps ...\n" << std::flush;
    if (!Bench::writeRandomSeamFile(path, stepCount, gridSize))
        return 2;
    Bench::PrintingReporter reporter;
    CPlotDoc document(reporter);
    if (document.openFile(path) != CPlotDoc::OpenResult::Opened)
        return 2;
    CMainFrame frame(document);
    frame.resize(1600, 1000);
    frame.show();
    for (QDockWidget *dock : frame.panelDocks().docks())
        dock->show();
    ProbePanelsBinding &binding = frame.panelDocks().binding();
    std::mt19937 random(11);
    std::uniform_int_distribution<int> cell(1, gridSize);
    CPlotView &view = *frame.view();
    while (binding.probes().size() < ProbeSet::maxProbes) {
        const int column = cell(random);
        const int row = cell(random);
        view.probes().pin(column, column, row, row);
    }
    view.OnDraw();
    QApplication::processEvents();
    if (!view.settings().colSqDrawn) {
        std::cerr << "the plot was not drawn\n";
        return 2;
    }

    // Each step as Play makes it, its time to the repainted window.
    const auto play = [&] {
        std::vector<double> seconds;
        for (int round = 0; round < options.repeats; ++round) {
            for (int step = 1; step <= stepCount; ++step) {
                QElapsedTimer timer;
                timer.start();
                view.changeStep(step == view.settings().step ? step % stepCount + 1 : step);
                view.OnDraw();
                // The map and every panel on screen before the next step is due.
                frame.repaint();
                for (QDockWidget *dock : frame.panelDocks().docks())
                    dock->repaint();
                seconds.push_back(timer.nsecsElapsed() / 1e9);
            }
        }
        std::sort(seconds.begin(), seconds.end());
        return seconds;
    };
    const int readsBefore = binding.historyReads();
    std::vector<double> seconds = play();
    const int readsDuringPlay = binding.historyReads() - readsBefore;
    // The same steps with the map alone: what the panels add.
    for (QDockWidget *dock : frame.panelDocks().docks())
        dock->hide();
    const std::vector<double> mapAlone = play();
    const double median = seconds[seconds.size() / 2];
    const double longest = seconds.back();
    std::cout << "Play step with 3 panels and 8 probes, 1000 x 1000 random: median " << median * 1000
              << " ms, longest " << longest * 1000 << " ms over " << seconds.size() << " steps (period "
              << period * 1000 << " ms), histories read during Play " << readsDuringPlay << "\n";
    const bool met = longest <= period;
    std::cout << (met ? "No frame is late.\n" : "A frame is late.\n") << std::flush;
    std::cout << "the same steps with the map alone: median " << mapAlone[mapAlone.size() / 2] * 1000 << " ms\n";
    Bench::printFigures({{"longest Play step with the panels vs the period", longest, period},
                         {"median Play step with the panels vs the map alone", median, mapAlone[mapAlone.size() / 2]},
                         {"median Play step with the panels vs the period", median, period}});
    return met ? 0 : 1;
}
