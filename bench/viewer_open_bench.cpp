// How the viewer's window fares while a large file opens: the time to the
// first picture of step 1, and the longest wait of an event, against the 100 ms
// after which a window feels frozen.
//
//   viewer_open_bench [--steps N] [FILE]
//
// Without FILE, writes one of 200 x 200 elements, 10 items and N steps
// (default 100, some 5.5 MB a step) into a temporary folder. Runs on the
// offscreen platform unless another is set. Exit status 1 when an event waited
// 100 ms or longer.

#include "BenchSupport.h"
#include "app/CMainFrame.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "widgets/view/CPlotView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>
#include <string>

namespace {

constexpr double frozenAfter = 0.1; // s

class CountingReporter : public Reporter
{
public:
    void report(const std::string &message) override { std::cerr << message << '\n'; }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    int steps = 100;
    if (arguments.size() >= 2 && arguments.front() == "--steps") {
        steps = arguments.at(1).toInt();
        arguments = arguments.mid(2);
    }
    QTemporaryDir dir;
    std::string path;
    if (!arguments.isEmpty()) {
        path = arguments.front().toStdString();
    } else {
        path = dir.filePath("run.f1").toStdString();
        std::cout << "Writing 200 x 200 elements, 10 items, " << steps << " steps ...\n" << std::flush;
        if (!Bench::writeLargeSeamFile(path, steps))
            return 2;
    }

    CountingReporter reporter;
    CPlotDoc document(reporter);
    CMainFrame frame(document);
    frame.show();

    QElapsedTimer clock;
    double firstPicture = -1.0;
    double longestWait = 0.0;
    double lastTick = 0.0;
    QTimer ticks;
    ticks.setInterval(5);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e9;
        longestWait = std::max(longestWait, now - lastTick);
        lastTick = now;
        if (firstPicture < 0 && frame.view()->settings().colSqDrawn)
            firstPicture = now;
    });
    double whole = 0.0;
    QObject::connect(&document, &CPlotDoc::openEnded, [&] {
        whole = clock.nsecsElapsed() / 1e9;
        app.quit();
    });
    QTimer::singleShot(0, [&] {
        clock.start();
        ticks.start();
        frame.openDocument(path);
    });
    app.exec();

    std::cout << "file: " << path << "\n"
              << "whole open: " << whole << " s\n"
              << "first picture of step 1: " << firstPicture << " s\n"
              << "longest wait of an event: " << longestWait * 1000 << " ms (limit " << frozenAfter * 1000 << " ms)\n";
    const bool met = firstPicture >= 0 && longestWait < frozenAfter;
    std::cout << (met ? "All limits met.\n" : "A limit was missed.\n") << std::flush;
    Bench::printFigures({{"longest wait of an event vs the limit", longestWait, frozenAfter}});
    return met ? 0 : 1;
}
