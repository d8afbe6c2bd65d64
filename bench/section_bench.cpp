// A Follow Pointer section on a 1000 x 1000 grid: from a new cell under the
// pointer to the repainted Section panel (points read from the step, the
// chart's series replaced, the chart painted). It must take at most 16 ms, one
// frame.
//
//   section_bench [--repeats N]   (N rounds of 200 pointer moves, default 3)
//
// The step is held in memory as the document holds it; the moves alternate
// between rows and columns at random cells. Exit status 1 when a move takes
// longer than the limit.

#include "BenchSupport.h"
#include "charts/ProbeSection.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "widgets/panels/SectionPanel.h"
#include "widgets/charts/LineChartHost.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <iostream>
#include <random>
#include <vector>

namespace {

constexpr int gridSize = 1000;
constexpr double limit = 0.016; // s

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Bench::Options options = Bench::parseOptions(app.arguments(), 3);

    SeamHeader header;
    header.stepCount = 1;
    header.cellSize = 1.0f;
    header.columnCount = header.rowCount = gridSize;
    header.itemCount = 1;
    header.itemNames[0] = "Vertical Stress";
    header.itemUnits[0] = "MPa";
    StepGrid grid;
    grid.setUp(1, gridSize, gridSize);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> value(-50.0f, 50.0f);
    std::generate(grid.data(), grid.data() + grid.valueCount(), [&] { return value(random); });

    SectionPanel panel;
    panel.resize(700, 450);
    panel.show();
    QApplication::processEvents();
    auto *chartView = qobject_cast<QAbstractScrollArea *>(panel.chart().control());
    if (!chartView) {
        std::cerr << "the section chart was not created\n";
        return 2;
    }

    std::uniform_int_distribution<int> cell(1, gridSize);
    std::vector<double> seconds;
    for (int round = 0; round < options.repeats; ++round) {
        for (int move = 0; move < 200; ++move) {
            const ProbeSection section{move % 2 ? CrossSectionDirection::ParallelToY
                                                : CrossSectionDirection::ParallelToX,
                                       cell(random), cell(random), 0};
            QElapsedTimer timer;
            timer.start();
            panel.showSection(section.content(header, grid, 1));
            chartView->viewport()->repaint();
            seconds.push_back(timer.nsecsElapsed() / 1e9);
        }
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    const double longest = seconds.back();
    std::cout << "Follow Pointer section, 1000 x 1000 random: median " << median * 1000 << " ms, longest "
              << longest * 1000 << " ms over " << seconds.size() << " moves (limit " << limit * 1000 << " ms)\n";
    const bool met = longest <= limit;
    std::cout << (met ? "The limit is met.\n" : "The limit is missed.\n") << std::flush;
    Bench::printFigures({{"longest section move vs the limit", longest, limit},
                         {"median section move vs the limit", median, limit}});
    return met ? 0 : 1;
}
