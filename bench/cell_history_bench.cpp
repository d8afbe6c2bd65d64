// The history of pinned cells as the History panel reads it: only the cells'
// bytes of every step's cache file. A pinned cell's history over 200 steps of
// a 1000 x 1000 grid must take at most 5 ms, and so must a 10 x 10 window's
// (the median of the runs: the machine may be shared).
//
//   cell_history_bench [--repeats N] [--items K]
//
// Writes the cache files of 200 steps of a 1000 x 1000 grid of K items
// (default 3, some 2.4 GB) into a temporary folder, times the whole-step route
// of the History Plot once (which leaves the files in the page cache, as an
// open just read does), then reads a different cell (window) each run. Exit
// status 1 when a limit is missed.

#include "BenchSupport.h"
#include "data/CellHistory.h"
#include "data/StepCache.h"
#include "data/StepGrid.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <iostream>
#include <memory>
#include <random>

namespace {

constexpr int gridSize = 1000;
constexpr int stepCount = 200;
constexpr double limit = 0.005; // s

// Every step's cache file, each value telling its step and place.
bool writeSteps(StepGrid &grid)
{
    float *values = grid.data();
    for (int s = 1; s <= stepCount; ++s) {
        for (std::size_t i = 0; i < grid.valueCount(); ++i)
            values[i] = static_cast<float>(i % 9973) * 0.5f + static_cast<float>(s);
        if (!grid.WriteStep(s)) {
            std::cerr << grid.errorText() << '\n';
            return false;
        }
    }
    return true;
}

// A window of size x size cells somewhere in the grid, new each call.
CellWindow someWindow(std::mt19937 &random, int size)
{
    std::uniform_int_distribution<int> first(0, gridSize - size);
    const int column = first(random);
    const int row = first(random);
    return {column, column + size - 1, row, row + size - 1};
}

struct Timed
{
    double median = 0.0;
    double longest = 0.0;
};

Timed timeWindows(const StepGrid &grid, int repeats, int size, int windowCount, bool &allRead)
{
    std::mt19937 random(size * 31 + windowCount);
    std::vector<double> seconds;
    for (int run = 0; run < repeats; ++run) {
        std::vector<CellWindow> windows;
        for (int w = 0; w < windowCount; ++w)
            windows.push_back(someWindow(random, size));
        CellHistories read;
        seconds.push_back(Bench::timeOf([&] { read = ReadCellHistories(grid, stepCount, 1, windows); }).wall);
        if (!read.complete()) {
            std::cerr << read.error << '\n';
            allRead = false;
        }
    }
    return {Bench::median(seconds), *std::max_element(seconds.begin(), seconds.end())};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const Bench::Options options = Bench::parseOptions(arguments, 50);
    const qsizetype itemsAt = arguments.indexOf("--items");
    const int items = itemsAt > 0 && itemsAt + 1 < arguments.size() ? std::max(1, arguments[itemsAt + 1].toInt()) : 3;

    QTemporaryDir dir;
    dir.setAutoRemove(!options.keep);
    StepGrid grid;
    grid.setUp(items, gridSize, gridSize, std::make_shared<StepCache>(dir.path().toStdString() + "/", stepCount));
    std::cout << "Writing the cache files of " << stepCount << " steps of " << gridSize << " x " << gridSize
              << " elements, " << items << " items ...\n"
              << std::flush;
    if (!writeSteps(grid))
        return 2;

    // Today's route: every step read whole, then the window summed.
    const CellWindow window{500, 509, 500, 509};
    std::vector<double> wholeSums(stepCount);
    const Bench::Timing whole = Bench::timeOf([&] {
        for (int s = 1; s <= stepCount && grid.ReadStep(s); ++s)
            for (int ix = window.firstColumn; ix <= window.lastColumn; ++ix)
                for (int iy = window.firstRow; iy <= window.lastRow; ++iy)
                    wholeSums[s - 1] += grid.values[ix][iy][1];
    });
    const CellHistories check = ReadCellHistories(grid, stepCount, 1, {window});
    if (!check.complete() || check.windows[0].sums != wholeSums) {
        std::cerr << "the cell read does not give the whole steps' sums\n";
        return 2;
    }

    bool allRead = true;
    const Timed cell = timeWindows(grid, options.repeats, 1, 1, allRead);
    const Timed tenByTen = timeWindows(grid, options.repeats, 10, 1, allRead);
    const Timed eightCells = timeWindows(grid, options.repeats, 1, 8, allRead);
    if (!allRead)
        return 2;
    std::cout << "over " << options.repeats << " runs each (limit " << limit * 1000 << " ms): one cell median "
              << cell.median * 1000 << " ms, longest " << cell.longest * 1000 << " ms; 10 x 10 window median "
              << tenByTen.median * 1000 << " ms, longest " << tenByTen.longest * 1000 << " ms; 8 cells median "
              << eightCells.median * 1000 << " ms; whole steps for the 10 x 10 window " << whole.wall * 1000
              << " ms\n";
    const bool met = cell.median <= limit && tenByTen.median <= limit;
    std::cout << (met ? "The limit is met.\n" : "The limit is missed.\n") << std::flush;
    Bench::printFigures({{"cell history, 200 steps, 1000 x 1000 (median) vs the limit", cell.median, limit},
                         {"cell history, 200 steps, 1000 x 1000 (longest) vs the limit", cell.longest, limit},
                         {"10 x 10 window history, 200 steps (median) vs the limit", tenByTen.median, limit},
                         {"8 pinned cells' histories, 200 steps (median) vs the limit", eightCells.median, limit},
                         {"10 x 10 window history by whole steps vs the limit", whole.wall, limit}});
    return met ? 0 : 1;
}
