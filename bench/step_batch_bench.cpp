// All 200 steps of a 200 x 200 grid written by one `sembla-cli render --steps`
// run, against what they may cost at most: the open of the file plus 200
// single renders' drawing (step load, drawing, PNG encoding and writing),
// each timed on its own in this process.
//
//   step_batch_bench [--repeats N] [--keep]
//
// N (default 3) runs of each, medians counted.

#include "BenchSupport.h"
#include "PrintingReporter.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/OutputFile.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PagePicture.h"
#include "model/PlotSettings.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <clocale>
#include <cmath>
#include <fstream>
#include <iostream>

namespace {

constexpr int gridSize = 200;
constexpr int stepCount = 200;

void writeSeamFile(const std::string &path)
{
    std::ofstream out(path, std::ios::binary);
    out << stepCount << ", 0, 1.0, " << gridSize << ", " << gridSize << ", 0, 0\n1, Vertical Stress\n1, MPa\n";
    char text[32];
    for (int s = 1; s <= stepCount; ++s)
        for (int ix = 0; ix < gridSize; ++ix)
            for (int iy = 0; iy < gridSize; ++iy) {
                std::snprintf(text, sizeof text, "%.4f\n", std::sin(ix * 0.05 + s * 0.1) * std::cos(iy * 0.07) * s);
                out << text;
            }
}

// The reference: one open, then each step drawn and written as a single render draws it.
double openPlusSingleDrawings(const std::string &input, const QString &folder)
{
    Bench::PrintingReporter reporter;
    CPlotDoc document(reporter);
    double seconds = Bench::timeOf([&] { document.openFile(input); }).wall;
    PlotSettings settings;
    settings.stepLabel = false;
    for (int step = 1; step <= stepCount; ++step) {
        seconds += Bench::timeOf([&] {
                       document.loadStep(step);
                       settings.step = step;
                       QString error;
                       const auto page = PagePicture::encode(
                           PagePicture::Format::Png, 100, PagePicture::CanvasDrawing([&](Canvas &canvas) {
                               ColSqLayout layout;
                               RunLayoutStep(document.header(), settings, layout);
                               ReadoutGeometry readout;
                               return DrawColoredSquare(document, settings, layout, canvas, readout);
                           }),
                           error);
                       const std::string out = (folder + QString::asprintf("/ref-%03d.png", step)).toStdString();
                       if (!page || !OutputFile::writeWhole(out, *page, error))
                           std::cerr << error.toStdString() << '\n';
                   }).wall;
    }
    return seconds;
}

double batchRender(const QString &input, const QString &folder)
{
    QProcess cli;
    return Bench::timeOf([&] {
               cli.start(SEMBLA_CLI, {"render", input, "--steps", "1-" + QString::number(stepCount), "-o",
                                      folder + "/step-%03d.png"});
               cli.waitForFinished(-1);
               if (cli.exitCode() != 0)
                   std::cerr << cli.readAllStandardError().toStdString();
           })
        .wall;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const Bench::Options options = Bench::parseOptions(app.arguments(), 3);
    QTemporaryDir folder;
    folder.setAutoRemove(!options.keep);
    const QString input = folder.filePath("steps.f1");
    writeSeamFile(input.toStdString());
    std::vector<double> ours;
    std::vector<double> reference;
    for (int run = 0; run < options.repeats; ++run) {
        ours.push_back(batchRender(input, folder.path()));
        reference.push_back(openPlusSingleDrawings(input.toStdString(), folder.path()));
    }
    if (options.keep)
        std::cout << "files in " << folder.path().toStdString() << '\n';
    Bench::printFigures({{"render --steps 1-200 of 200 x 200 (open + 200 drawings)", Bench::median(ours),
                          Bench::median(reference)}});
    return 0;
}
