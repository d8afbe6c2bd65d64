// Speed of the exports: the ASCII grid file and the DXF drawing of a
// 1000 x 1000 grid of random data, each written through the viewer's own
// routine to a file in a temporary folder (the folder of the seam file).
//
//   export_bench [--repeats N] [--keep]
//
// --keep leaves the folder and prints its path, to look at the files.

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/AsciiExport.h"
#include "export/ColoredSquareDxf.h"
#include "view/PlotSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <vector>

namespace {

constexpr int gridSize = 1000;

class PrintingReporter : public Reporter
{
public:
    void report(const std::string &message) override { std::cerr << message << '\n'; }
};

// A seam output file of one step and one item: random values, so that almost
// every cell starts a new run of its own in the DXF drawing.
bool writeSeamFile(const std::string &path)
{
    std::ofstream out(path, std::ios::binary);
    out << "1, 0, 2.5, " << gridSize << ", " << gridSize << ", 1000.5, -250\n1, Vertical Stress\n1, MPa\n";
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> value(-1e4f, 1e4f);
    char text[32];
    for (long i = 0; i < static_cast<long>(gridSize) * gridSize; ++i) {
        std::snprintf(text, sizeof text, "%.9g\n", static_cast<double>(value(random)));
        out << text;
    }
    return static_cast<bool>(out);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template<typename Export>
void measure(const char *name, int repeats, const std::string &path, Export run)
{
    std::vector<double> seconds;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (!run(path)) {
            std::cerr << name << ": the export failed\n";
            return;
        }
        seconds.push_back(timer.nsecsElapsed() / 1e9);
    }
    const double megabytes = QFileInfo(QString::fromStdString(path)).size() / 1e6;
    std::printf("%-34s median %.3f s  best %.3f s  (%d runs, %.1f MB)\n", name, median(seconds),
                *std::min_element(seconds.begin(), seconds.end()), repeats, megabytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QCoreApplication::arguments();
    int repeats = 5;
    if (const qsizetype at = arguments.indexOf("--repeats"); at > 0 && at + 1 < arguments.size())
        repeats = std::max(1, arguments[at + 1].toInt());

    QTemporaryDir folder;
    folder.setAutoRemove(!arguments.contains("--keep"));
    const std::string seamPath = folder.filePath("random.f1").toStdString();
    if (!writeSeamFile(seamPath)) {
        std::cerr << "cannot write " << seamPath << '\n';
        return 1;
    }
    PrintingReporter reporter;
    CPlotDoc document(reporter);
    if (document.openFile(seamPath) != CPlotDoc::OpenResult::Opened || !document.loadStep(1))
        return 1;
    std::printf("grid of %d x %d random values\n", gridSize, gridSize);

    measure("ASCII grid (WriteGridAscii)", repeats, folder.filePath("grid.asc").toStdString(),
            [&document](const std::string &path) { return WriteGridAscii(document, 0, path); });
    PlotSettings settings;
    settings.stepReloadPending = false;
    measure("DXF drawing (SaveDxfCommand)", repeats, folder.filePath("plot.dxf").toStdString(),
            [&](const std::string &path) {
                return SaveDxfCommand(document, settings, [&path](const OutputFileRequest &) { return path; });
            });
    if (!folder.autoRemove())
        std::printf("files kept in %s\n", qPrintable(folder.path()));
    return 0;
}
