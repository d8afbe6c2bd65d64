// sembla-cli convert's work, timed in one process: a 200 x 200 x 10-item file
// of N steps (default 200, some 1.1 GB) opened and written to NetCDF, against
// the open alone (to take at most 1.5 times as long), and the peak memory of
// each (the convert's to stay within the open's plus one step and buffers).
//
//   convert_bench [--steps N] [--keep] [FILE]
//
// Each run is a process of its own, so that its peak resident size is its own.
// Exit status 1 when a limit is missed.

#include "BenchSupport.h"
#include "PrintingReporter.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/grid/GridExport.h"
#include "export/grid/GridFormat.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr double timeLimit = 1.5;       // times the open
constexpr double buffersLimit = 16e6;   // bytes beyond the open's peak and one step

// The child's work: the open, and the NetCDF file when OUT is given. Prints
// "WALL PEAK", the seconds and the growth of the peak resident size in bytes.
int child(const std::string &path, const std::string &out)
{
    Bench::PrintingReporter reporter;
    CPlotDoc document(reporter);
    const long long before = Bench::statusKilobytes("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    bool done = document.openFile(path) == CPlotDoc::OpenResult::Opened;
    if (done && !out.empty()) {
        GridExportRequest request;
        request.out = out;
        request.format = std::get<const GridFormat *>(chooseGridFormat(out, std::nullopt));
        const auto plan = planGridExport(document.header(), request);
        done = std::holds_alternative<GridContent>(plan)
               && writeGridExport(document, *request.format, std::get<GridContent>(plan), nullptr);
    }
    const double wall = clock.nsecsElapsed() / 1e9;
    const long long peak = Bench::statusKilobytes("VmHWM:");
    std::cout << wall << ' ' << (peak - before) * 1024 << '\n';
    return done ? 0 : 1;
}

struct Run
{
    double wall = -1.0;
    long long peak = -1;
};

Run runChild(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {};
    const QStringList figures = QString::fromLatin1(process.readAllStandardOutput()).split(' ');
    return figures.size() == 2 ? Run{figures[0].toDouble(), figures[1].trimmed().toLongLong()} : Run{};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == "--child")
        return child(arguments[1].toStdString(), arguments[2].toStdString());
    int steps = 200;
    if (arguments.size() >= 2 && arguments.front() == "--steps") {
        steps = arguments.at(1).toInt();
        arguments = arguments.mid(2);
    }
    const bool keep = arguments.removeAll("--keep") > 0;
    QTemporaryDir dir;
    dir.setAutoRemove(!keep);
    QString path = dir.filePath("run.f1");
    if (!arguments.isEmpty()) {
        path = arguments.front();
    } else {
        std::cout << "Writing 200 x 200 elements, 10 items, " << steps << " steps ...\n" << std::flush;
        if (!Bench::writeLargeSeamFile(path.toStdString(), steps))
            return 2;
    }
    const QString out = dir.filePath("run.nc");

    // The open first, so that both find the file in the page cache alike.
    runChild({path, QString()});
    const Run open = runChild({path, QString()});
    const Run convert = runChild({path, out});
    if (open.wall < 0 || convert.wall < 0)
        return 2;

    const double stepBytes = 200.0 * 200 * 10 * sizeof(float);
    std::printf("convert_bench: %s, %.1f MB; NetCDF %.1f MB\n", qPrintable(path),
                QFileInfo(path).size() / 1e6, QFileInfo(out).size() / 1e6);
    std::printf("peak memory: the open %.1f MB, the convert %.1f MB, one step %.1f MB (limit: the open's + one step + "
                "%.0f MB)\n",
                open.peak / 1e6, convert.peak / 1e6, stepBytes / 1e6, buffersLimit / 1e6);
    const bool met = convert.wall <= timeLimit * open.wall && convert.peak <= open.peak + stepBytes + buffersLimit;
    std::cout << (met ? "All limits met.\n" : "A limit was missed.\n") << std::flush;
    Bench::printFigures({{"convert to NetCDF vs the open alone", convert.wall, open.wall}});
    return met ? 0 : 1;
}
