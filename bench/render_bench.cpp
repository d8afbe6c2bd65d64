// Speed and size of the Colored Square Plot's pictures: the PNG, SVG and PDF
// of sembla-cli render and the clipboard of Edit > Copy, for a 1000 x 1000
// grid of random and of smooth data, each made and written as the program
// makes and writes it (PNG encoding and the file included), beside matplotlib
// drawing the same array with imshow and with pcolormesh into the same
// formats, in one run. The vector pictures are to stay within 25 MB and be
// written in at most 4 times the PNG's time.
//
//   render_bench [--repeats N] [--python PATH] [--keep]
//
// N (default 5) runs of ours and of matplotlib's PNG and imshow, medians
// counted; pcolormesh's SVG and PDF, which take half a minute, run once.
// --keep leaves the temporary folder with every file written and prints its path.

#include "BenchSupport.h"
#include "PrintingReporter.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/OutputFile.h"
#include "view/ColSqLayout.h"
#include "view/ColoredSquareCopy.h"
#include "view/DrawColoredSquare.h"
#include "view/PagePicture.h"
#include "model/PlotSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>

namespace {

constexpr int gridSize = 1000;
constexpr double sizeTarget = 25e6;
constexpr double timeTarget = 4.0; // times the PNG's

bool writeSeamFile(const std::string &path, const std::function<float(int, int)> &value)
{
    std::ofstream out(path, std::ios::binary);
    out << "1, 0, 1.0, " << gridSize << ", " << gridSize << ", 0, 0\n1, Vertical Stress\n1, MPa\n";
    char text[32];
    for (int ix = 0; ix < gridSize; ++ix) {
        for (int iy = 0; iy < gridSize; ++iy) {
            std::snprintf(text, sizeof text, "%.9g\n", static_cast<double>(value(ix, iy)));
            out << text;
        }
    }
    return static_cast<bool>(out);
}

// sembla-cli render: the page made in memory, then written to its file.
bool renderToFile(CPlotDoc &document, PagePicture::Format format, const QString &path)
{
    PlotSettings settings;
    settings.stepReloadPending = false;
    const PagePicture::CanvasDrawing drawing = [&](Canvas &canvas) {
        ColSqLayout layout;
        RunLayoutStep(document.header(), settings, layout);
        ReadoutGeometry readout;
        return DrawColoredSquare(document, settings, layout, canvas, readout);
    };
    QString error;
    const std::optional<QByteArray> page = PagePicture::encode(format, 100, drawing, error);
    if (!page || !OutputFile::writeWhole(path.toStdString(), *page, error)) {
        std::cerr << error.toStdString() << '\n';
        return false;
    }
    return true;
}

// Edit > Copy: the bitmap and the SVG as the clipboard takes them; the SVG's size.
qint64 copyToClipboard(CPlotDoc &document)
{
    PlotSettings settings;
    ColSqLayout layout;
    RunLayoutStep(document.header(), settings, layout);
    ReadoutGeometry readout;
    const std::unique_ptr<QMimeData> data = ColoredSquareCopy::mimeData(document, settings, layout, readout);
    return data->data("image/svg+xml").size();
}

struct Case
{
    const char *name;
    std::function<float(int, int)> value;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QGuiApplication::arguments();
    const Bench::Options options = Bench::parseOptions(arguments, 5);
    const int repeats = options.repeats;
    const QString &python = options.python;
    QTemporaryDir folder;
    folder.setAutoRemove(!options.keep);
    if (!folder.isValid())
        return 1;

    std::mt19937 random(2024);
    std::uniform_real_distribution<float> uniform(0.0f, 100.0f);
    const std::vector<Case> cases{
        {"random", [&](int, int) { return uniform(random); }},
        {"smooth",
         [](int ix, int iy) {
             return static_cast<float>(50.0 + 40.0 * std::sin(ix * 0.006) * std::cos(iy * 0.004)
                                       + 5.0 * std::sin((ix + iy) * 0.01));
         }},
    };
    const std::vector<std::pair<const char *, PagePicture::Format>> formats{
        {"png", PagePicture::Format::Png}, {"svg", PagePicture::Format::Svg}, {"pdf", PagePicture::Format::Pdf}};

    std::printf("render_bench: %d x %d cells, a page of 1024 x 768 at 100 dpi; medians of %d runs\n", gridSize,
                gridSize, repeats);
    std::vector<Bench::Figure> figures;
    bool met = true;
    for (const Case &c : cases) {
        const QString seamPath = folder.filePath(QString(c.name) + ".f1");
        Bench::PrintingReporter reporter;
        CPlotDoc document(reporter);
        if (!writeSeamFile(seamPath.toStdString(), c.value)
            || document.openFile(seamPath.toStdString()) != CPlotDoc::OpenResult::Opened || !document.loadStep(1))
            return 1;
        const QString gridPath = folder.filePath(QString(c.name) + ".f32");
        QFile grid(gridPath);
        if (!grid.open(QIODevice::WriteOnly))
            return 1;
        grid.write(reinterpret_cast<const char *>(document.grid().data()),
                   static_cast<qint64>(document.grid().valueCount() * sizeof(float)));
        grid.close();

        std::map<std::string, double> ours;
        std::printf("%s:", c.name);
        for (const auto &[extension, format] : formats) {
            const QString path = folder.filePath(QString(c.name) + "." + extension);
            std::vector<Bench::Timing> runs;
            for (int r = 0; r < repeats; ++r)
                runs.push_back(Bench::timeOf([&] { renderToFile(document, format, path); }));
            ours[extension] = Bench::median(runs).wall;
            const double bytes = QFileInfo(path).size();
            std::printf(" %s %.2f MB,", extension, bytes / 1e6);
            met = met && (format == PagePicture::Format::Png || bytes <= sizeTarget);
        }
        qint64 clipboardBytes = 0;
        std::vector<Bench::Timing> copies;
        for (int r = 0; r < repeats; ++r)
            copies.push_back(Bench::timeOf([&] { clipboardBytes = copyToClipboard(document); }));
        ours["clipboard"] = Bench::median(copies).wall;
        met = met && clipboardBytes <= sizeTarget;
        std::printf(" clipboard svg %.2f MB\n", clipboardBytes / 1e6);
        std::fflush(stdout);

        for (const auto &[extension, format] : formats) {
            for (const char *method : {"imshow", "pcolormesh"}) {
                // pcolormesh writes a shape per cell into a vector file: half a minute each.
                const bool slow = format != PagePicture::Format::Png && std::string(method) == "pcolormesh";
                const QString out = folder.filePath(QString(c.name) + "-" + method + "." + extension);
                const std::vector<Bench::Timing> runs = Bench::runPython(
                    python, "render_bench_matplotlib.py",
                    {gridPath, QString::number(gridSize), QString::number(gridSize), method, extension,
                     QString::number(slow ? 1 : repeats), out});
                figures.push_back({std::string(c.name) + " " + extension + " vs matplotlib " + method,
                                   ours[extension], Bench::median(runs).wall});
            }
        }
        for (const char *picture : {"svg", "pdf", "clipboard"}) {
            figures.push_back({std::string(c.name) + " " + picture + " vs our png", ours[picture], ours["png"]});
            met = met && ours[picture] <= timeTarget * ours["png"];
        }
    }
    if (!folder.autoRemove())
        std::printf("files kept in %s\n", qPrintable(folder.path()));
    std::printf("targets (each vector picture at most 25 MB and 4 x the png's time): %s\n",
                met ? "met" : "NOT MET");
    Bench::printFigures(figures);
    return met ? 0 : 1;
}
