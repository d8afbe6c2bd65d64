// Speed and memory of opening a seam output file: the whole File Open of the
// document (parse, plus writing every step's cache file) beside a plain
// getline + strtod reader and pandas.read_csv on the same file.
//
//   open_bench [--repeats N] [--keep]
//
// Generates once, in a temporary folder, a file of 300 x 300 elements, 18
// items and 10 steps; every reader runs N times (default 3) and the best run
// counts. --keep leaves the folder and prints its path. Exit status 1 when a
// target is missed.

#include "data/CPlotDoc.h"
#include "data/Reporter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int columns = 300;
constexpr int rows = 300;
constexpr int items = 18;
constexpr int steps = 10;
constexpr double pandasTarget = 5.0;
constexpr double referenceTarget = 8.0;
constexpr double stepShare = 1.5;               // of one step's values
constexpr long long fixedBuffer = 2LL << 20;    // the line buffer and the stream's, with room

class CountingReporter : public Reporter
{
public:
    void report(const std::string &message) override
    {
        ++count;
        std::cerr << message << '\n';
    }
    int count = 0;
};

// As the analysis program writes its results: %12.5E, comma and blank separated,
// values of every sign and size that stresses, convergences and factors take.
bool writeSeamFile(const std::string &path)
{
    std::FILE *out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fprintf(out, "%d, 0, 5.0, %d, %d, 1000.0, 2000.0\n%d", steps, columns, rows, items);
    for (int k = 0; k < items; ++k)
        std::fprintf(out, ", Item %d", k + 1);
    std::fprintf(out, "\n%d", items);
    for (int k = 0; k < items; ++k)
        std::fprintf(out, ", MPa");
    std::fprintf(out, "\n");
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-6, 4);
    char line[items * 16 + 2];
    for (long element = 0; element < static_cast<long>(steps) * columns * rows; ++element) {
        char *p = line;
        for (int k = 0; k < items; ++k) {
            const double value = mantissa(random) * std::pow(10.0, exponent(random));
            p += std::snprintf(p, 16, k + 1 < items ? "%12.5E, " : "%12.5E\n", value);
        }
        std::fwrite(line, 1, static_cast<std::size_t>(p - line), out);
    }
    return std::fclose(out) == 0;
}

// The reader one writes first: getline and strtod, every value into a step
// buffer, no cache files. Returns the last step.
std::vector<float> referenceRead(const std::string &path)
{
    std::ifstream in(path);
    std::string line;
    for (int header = 0; header < 3; ++header)
        std::getline(in, line);
    std::vector<float> step(static_cast<std::size_t>(columns) * rows * items);
    for (int s = 0; s < steps; ++s) {
        float *values = step.data();
        for (int element = 0; element < columns * rows; ++element, values += items) {
            std::getline(in, line);
            const char *p = line.c_str();
            for (int k = 0; k < items; ++k) {
                values[k] = static_cast<float>(std::strtod(p, nullptr));
                p = std::strchr(p, ',');
                if (!p)
                    break;
                ++p;
            }
        }
    }
    return step;
}

template<typename Work>
double secondsOf(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// The best of the runs' timed parts.
template<typename Run>
double bestOf(int repeats, Run run)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i)
        best = std::min(best, run());
    return best;
}

// pandas' C parser on the same data lines, timed inside Python around the read
// alone; a negative result when pandas is not at hand.
double pandasSeconds(const std::string &path, int repeats)
{
    const QString script = QString("import sys, time\n"
                                   "import pandas\n"
                                   "best = 1e300\n"
                                   "for _ in range(%1):\n"
                                   "    start = time.perf_counter()\n"
                                   "    frame = pandas.read_csv(sys.argv[1], header=None, engine='c', skiprows=3)\n"
                                   "    best = min(best, time.perf_counter() - start)\n"
                                   "    assert frame.shape == (%2, %3), frame.shape\n"
                                   "    del frame\n"
                                   "print(best)\n")
                               .arg(repeats)
                               .arg(static_cast<long>(steps) * columns * rows)
                               .arg(items);
    QProcess python;
    python.start("/usr/bin/python3", {"-c", script, QString::fromStdString(path)});
    if (!python.waitForFinished(600000) || python.exitCode() != 0) {
        std::cerr << "pandas: " << python.readAllStandardError().toStdString();
        return -1.0;
    }
    return python.readAllStandardOutput().trimmed().toDouble();
}

long long statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0)
            return std::atoll(line.c_str() + length);
    return -1;
}

// Run in a process of its own, so that its peak resident size is the open's
// alone: prints the growth of the peak over the size before the open, in bytes.
int openChild(const std::string &path)
{
    CountingReporter reporter;
    CPlotDoc document(reporter);
    const long long before = statusKilobytes("VmRSS:");
    const auto result = document.openFile(path);
    const long long peak = statusKilobytes("VmHWM:");
    std::cout << (peak - before) * 1024 << '\n';
    return result == CPlotDoc::OpenResult::Opened ? 0 : 1;
}

long long openPeakBytes(const std::string &path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--open-child", QString::fromStdString(path)});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toLongLong();
}

void printRow(const char *name, double seconds, double megabytes, double oursSeconds, double target)
{
    if (seconds < 0) {
        std::printf("  %-34s %10s %10s %10s\n", name, "n/a", "", "");
        return;
    }
    char ratio[32] = "";
    if (target > 0)
        std::snprintf(ratio, sizeof ratio, "%.1fx (>= %.0fx)", seconds / oursSeconds, target);
    std::printf("  %-34s %9.3fs %8.1f MB/s  %s\n", name, seconds, megabytes / seconds, ratio);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == "--open-child")
        return openChild(arguments[2].toStdString());
    int repeats = 3;
    if (const int at = static_cast<int>(arguments.indexOf("--repeats")); at > 0 && at + 1 < arguments.size())
        repeats = std::max(1, arguments[at + 1].toInt());

    QTemporaryDir dir;
    dir.setAutoRemove(!arguments.contains("--keep"));
    const std::string path = dir.filePath("bench.f1").toStdString();
    std::printf("Generating %d x %d elements, %d items, %d steps ...\n", columns, rows, items, steps);
    std::fflush(stdout);
    if (!dir.isValid() || !writeSeamFile(path)) {
        std::cerr << "cannot write " << path << '\n';
        return 1;
    }
    const double megabytes = QFileInfo(QString::fromStdString(path)).size() / 1e6;

    // Once untimed, so that every reader meets the file in the page cache.
    std::vector<float> lastStep = referenceRead(path);

    CountingReporter reporter;
    std::vector<float> oursLastStep;
    // The document's end removes the cache files: that is not part of the open.
    const double ours = bestOf(repeats, [&] {
        CPlotDoc document(reporter);
        const double seconds = secondsOf([&] { document.openFile(path); });
        oursLastStep.assign(document.grid().data(), document.grid().data() + document.grid().valueCount());
        return seconds;
    });
    const double reference = bestOf(repeats, [&] { return secondsOf([&] { lastStep = referenceRead(path); }); });
    const double pandas = pandasSeconds(path, repeats);
    const long long peak = openPeakBytes(path);

    const bool sameValues = oursLastStep.size() == lastStep.size()
                            && std::memcmp(oursLastStep.data(), lastStep.data(), lastStep.size() * sizeof(float)) == 0;
    const long long stepBytes = static_cast<long long>(columns) * rows * items * 4;
    const long long peakLimit = static_cast<long long>(stepShare * stepBytes) + fixedBuffer;

    std::printf("\nInput: %.1f MB, %ld data lines, %ld values; best of %d runs\n\n", megabytes,
                static_cast<long>(steps) * columns * rows, static_cast<long>(steps) * columns * rows * items, repeats);
    std::printf("  %-34s %10s %13s  %s\n", "reader", "time", "speed", "open is faster by");
    printRow("CPlotDoc::openFile (+ cache files)", ours, megabytes, ours, 0);
    printRow("getline + strtod", reference, megabytes, ours, referenceTarget);
    printRow("pandas.read_csv (C engine)", pandas, megabytes, ours, pandasTarget);
    std::printf("\n  peak memory of the open: %.2f MB; one step's values %.2f MB; limit %.1f x step + %.0f MiB = %.2f MB\n",
                peak / 1e6, stepBytes / 1e6, stepShare, fixedBuffer / 1048576.0, peakLimit / 1e6);
    std::printf("  values of the last step equal to the reference's: %s\n", sameValues ? "yes" : "NO");
    if (!dir.autoRemove())
        std::printf("  files kept in %s\n", qPrintable(dir.path()));

    const bool met = reporter.count == 0 && sameValues && reference / ours >= referenceTarget
                     && (pandas < 0 || pandas / ours >= pandasTarget) && peak >= 0 && peak <= peakLimit;
    std::printf("\n%s\n", met ? "All targets met." : "A target was missed.");
    return met ? 0 : 1;
}
