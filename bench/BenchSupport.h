#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// What the benchmarks share: their figures printed alike, medians, CPU time,
// and the Python references run as child processes.
namespace Bench {

// One run's wall-clock and CPU seconds (the CPU time of every thread).
struct Timing
{
    double wall = 0.0;
    double cpu = 0.0;
};

// The options every benchmark takes: --repeats N, --python PATH and --keep
// (leave the temporary folder and its files).
struct Options
{
    int repeats = 1;
    QString python = QStringLiteral("/usr/bin/python3");
    bool keep = false;
};
Options parseOptions(const QStringList &arguments, int defaultRepeats);

struct Figure
{
    std::string name;
    double ours = 0.0;
    double reference = 0.0; // NaN when the reference could not be run
};

// One line per figure, "name: ours X s, reference Y s, ratio R" with R = X / Y.
void printFigures(const std::vector<Figure> &figures);

// The median of each column; NaN when there is none.
double median(std::vector<double> values);
Timing median(const std::vector<Timing> &timings);

// The CPU time of this process so far, all threads together.
double processCpuSeconds();

// Times the work: wall clock and CPU.
template<typename Work>
Timing timeOf(Work work);

// Runs a script of bench/ under Python; every line it prints, "WALL CPU", is
// one timed run. Empty when Python or a module it needs is missing (the
// script's complaint goes to stderr).
std::vector<Timing> runPython(const QString &python, const QString &script, const QStringList &arguments);

// A seam output file of 200 x 200 elements, 10 items and the steps given
// (some 5.5 MB a step), smooth values in %12.5E; false when it cannot be written.
bool writeLargeSeamFile(const std::string &path, int steps);

// A seam output file of size x size elements, one item ("Vertical Stress", MPa)
// and the steps given, of random values in -50..50: the drawing's worst case.
bool writeRandomSeamFile(const std::string &path, int steps, int size);

// A field of this process's /proc/self/status in kB ("VmRSS:", "VmHWM:"); -1 where there is none.
long long statusKilobytes(const char *field);

} // namespace Bench

#include <QElapsedTimer>

template<typename Work>
Bench::Timing Bench::timeOf(Work work)
{
    const double cpu = processCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e9, processCpuSeconds() - cpu};
}
