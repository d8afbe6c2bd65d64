// The cost of files whose header claims far more than they hold: time, disk
// and memory of opening them, against the limits a user may expect.
//
//   hostile_header_bench
//
// A 40-byte file claiming a million steps must open in under 2 s with under
// 1 MB of cache files; a 50-byte file claiming a billion values must be refused
// in under 1 s with under 100 MB of memory. Exit status 1 when a limit is missed.

#include "BenchSupport.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "data/StepCache.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

class CountingReporter : public Reporter
{
public:
    void report(const std::string &) override { ++boxes; }
    // The viewer's reporter: one box for a run of steps.
    void reportSteps(const std::string &, int, int) override { ++boxes; }
    int boxes = 0;
};

long long bytesIn(const std::string &folder)
{
    long long total = 0;
    std::error_code error;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file(error))
            total += static_cast<long long>(entry.file_size(error));
    return total;
}

// Opens a file made of the text, timed.
struct TimedOpen
{
    CPlotDoc::OpenResult result;
    double seconds;
};
TimedOpen timedOpen(CPlotDoc &document, const std::string &path, const char *text)
{
    std::ofstream(path) << text;
    QElapsedTimer timer;
    timer.start();
    const auto result = document.openFile(path);
    return {result, timer.nsecsElapsed() / 1e9};
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    bool met = true;
    std::vector<Bench::Figure> figures;
    {
        const std::string path = dir.filePath("steps.f1").toStdString();
        CountingReporter reporter;
        CPlotDoc document(reporter);
        const auto [result, seconds] = timedOpen(document, path, "1000000, 0, 1, 1, 1, 0, 0\n1, S\n1, U\n1.5\n");
        const long long cacheBytes = bytesIn(document.grid().cache()->directory()) - std::filesystem::file_size(path);
        const bool ok = result != CPlotDoc::OpenResult::Failed && seconds < 2.0 && cacheBytes < (1 << 20)
                        && reporter.boxes == 1;
        met = met && ok;
        std::cout << "file of " << std::filesystem::file_size(path) << " bytes claiming 1000000 steps: opened in "
                  << seconds << " s (limit 2 s), cache files " << cacheBytes << " bytes (limit 1 MB), "
                  << reporter.boxes << " message box (limit 1)" << (ok ? "" : "  MISSED") << '\n';
        figures.push_back({"open of 1000000 claimed steps vs the limit", seconds, 2.0});
    }
    {
        const std::string path = dir.filePath("values.f1").toStdString();
        CountingReporter reporter;
        CPlotDoc document(reporter);
        const auto [result, seconds] = timedOpen(document, path, "1, 0, 1.0, 40000, 25000, 0.0, 0.00\n1, S\n1, U\n1.5\n");
        const double megabytes = peakMegabytes();
        const bool ok = result == CPlotDoc::OpenResult::Failed && seconds < 1.0 && megabytes < 100.0;
        met = met && ok;
        std::cout << "file of " << std::filesystem::file_size(path) << " bytes claiming 10^9 values: refused in "
                  << seconds << " s (limit 1 s), peak memory of the process " << megabytes
                  << " MB (limit 100 MB)" << (ok ? "" : "  MISSED") << '\n';
        figures.push_back({"refusal of 10^9 claimed values vs the limit", seconds, 1.0});
    }
    std::cout << (met ? "All limits met.\n" : "A limit was missed.\n") << std::flush;
    Bench::printFigures(figures);
    return met ? 0 : 1;
}
