// Speed of the exports: the ASCII grid file and the DXF drawing of a
// 1000 x 1000 grid of random data, each written through the viewer's own
// routine to a file in a temporary folder, beside numpy.savetxt writing the
// same lines and ezdxf writing the same SOLIDs, in one run.
//
//   export_bench [--repeats N] [--python PATH] [--keep]
//
// N (default 5) runs of ours and of numpy, medians counted; ezdxf, which takes
// about a minute for the million cells, runs once. --keep leaves the folder
// and prints its path, to look at the files.

#include "BenchSupport.h"
#include "PrintingReporter.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/AsciiExport.h"
#include "export/ColoredSquareDxf.h"
#include "model/PlotSettings.h"
#include "view/ScaleBands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <vector>

namespace {

constexpr int gridSize = 1000;

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

bool writeGridValues(const CPlotDoc &document, const QString &path)
{
    QFile file(path);
    const auto bytes = static_cast<qint64>(document.grid().valueCount() * sizeof(float));
    return file.open(QIODevice::WriteOnly)
           && file.write(reinterpret_cast<const char *>(document.grid().data()), bytes) == bytes;
}

// The runs of the drawing's SOLIDs, column by column, bottom to top, for ezdxf to write.
bool writeRuns(const CPlotDoc &document, const QString &path)
{
    struct Run
    {
        float left, right, bottom, top;
        std::int32_t band;
    };
    const SeamHeader &header = document.header();
    PlotSettings settings;
    ComputeScaleTable(header, document.grid(), settings);
    std::vector<Run> runs;
    const float c = header.cellSize;
    for (int ix = 0; ix < header.columnCount; ++ix) {
        const float left = header.originX + static_cast<float>(ix) * c;
        const float right = header.originX + static_cast<float>(ix + 1) * c;
        int start = 0;
        int band = BandIndex(settings.scaleTable, document.grid().values[ix][0][0]);
        for (int iy = 1; iy <= header.rowCount; ++iy) {
            const int next = iy < header.rowCount ? BandIndex(settings.scaleTable, document.grid().values[ix][iy][0]) : -1;
            if (next == band)
                continue;
            runs.push_back({left, right, header.originY + static_cast<float>(start) * c,
                            header.originY + static_cast<float>(iy) * c, band});
            start = iy;
            band = next;
        }
    }
    QFile file(path);
    const auto bytes = static_cast<qint64>(runs.size() * sizeof(Run));
    return file.open(QIODevice::WriteOnly) && file.write(reinterpret_cast<const char *>(runs.data()), bytes) == bytes;
}

template<typename Export>
double medianSeconds(const char *name, int repeats, const std::string &path, Export run)
{
    std::vector<Bench::Timing> runs;
    for (int r = 0; r < repeats; ++r) {
        bool written = false;
        runs.push_back(Bench::timeOf([&] { written = run(path); }));
        if (!written) {
            std::cerr << name << ": the export failed\n";
            return NAN;
        }
    }
    std::printf("%s: %.1f MB\n", name, QFileInfo(QString::fromStdString(path)).size() / 1e6);
    return Bench::median(runs).wall;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QCoreApplication::arguments();
    const Bench::Options options = Bench::parseOptions(arguments, 5);
    const int repeats = options.repeats;
    const QString &python = options.python;

    QTemporaryDir folder;
    folder.setAutoRemove(!options.keep);
    const std::string seamPath = folder.filePath("random.f1").toStdString();
    if (!writeSeamFile(seamPath)) {
        std::cerr << "cannot write " << seamPath << '\n';
        return 1;
    }
    Bench::PrintingReporter reporter;
    CPlotDoc document(reporter);
    if (document.openFile(seamPath) != CPlotDoc::OpenResult::Opened || !document.loadStep(1))
        return 1;
    const QString gridPath = folder.filePath("grid.f32");
    const QString runsPath = folder.filePath("runs.bin");
    if (!writeGridValues(document, gridPath) || !writeRuns(document, runsPath))
        return 1;
    std::printf("export_bench: a grid of %d x %d random values; medians of %d runs\n", gridSize, gridSize, repeats);

    const double ascii = medianSeconds("ASCII grid (WriteGridAscii)", repeats, folder.filePath("grid.asc").toStdString(),
                                       [&document](const std::string &path) { return WriteGridAscii(document, 0, path); });
    PlotSettings settings;
    settings.stepReloadPending = false;
    const double dxf = medianSeconds("DXF drawing (SaveDxfCommand)", repeats, folder.filePath("plot.dxf").toStdString(),
                                     [&](const std::string &path) {
                                         return SaveDxfCommand(document, settings,
                                                               [&path](const OutputFileRequest &) { return path; });
                                     });
    const SeamHeader &header = document.header();
    const std::vector<Bench::Timing> savetxt = Bench::runPython(
        python, "export_bench_reference.py",
        {"ascii", gridPath, QString::number(gridSize), QString::number(gridSize), QString::number(header.originX),
         QString::number(header.originY), QString::number(header.cellSize), QString::number(repeats),
         folder.filePath("numpy.asc")});
    const std::vector<Bench::Timing> ezdxf = Bench::runPython(
        python, "export_bench_reference.py", {"dxf", runsPath, "1", folder.filePath("ezdxf.dxf")});
    if (!folder.autoRemove())
        std::printf("files kept in %s\n", qPrintable(folder.path()));
    Bench::printFigures({{"ASCII grid vs numpy.savetxt('%g')", ascii, Bench::median(savetxt).wall},
                         {"DXF drawing vs ezdxf writing the same SOLIDs", dxf, Bench::median(ezdxf).wall}});
    return 0;
}
