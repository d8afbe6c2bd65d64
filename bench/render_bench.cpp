// Speed of the Colored Square Plot on screen: a 1000 x 1000 grid of smooth and
// of random data drawn onto a screen-sized image, beside matplotlib's
// pcolormesh of the same array saved as PNG at the same pixel size, in one run.
//
//   render_bench [--repeats N] [--python PATH]

#include "data/Reporter.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PlotSettings.h"
#include "view/QPainterCanvas.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <random>
#include <vector>

namespace {

constexpr int gridSize = 1000;
constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;
constexpr int matplotlibRepeats = 3;

class PrintingReporter : public Reporter
{
public:
    void report(const std::string &message) override { std::cerr << message << '\n'; }
};

struct Grid
{
    SeamHeader header;
    StepGrid grid;
};

void fill(Grid &data, const std::function<float(int, int)> &value)
{
    data.header.stepCount = 1;
    data.header.cellSize = 1.0f;
    data.header.columnCount = gridSize;
    data.header.rowCount = gridSize;
    data.header.itemCount = 1;
    data.header.itemNames[0] = "Vertical Stress";
    data.header.itemUnits[0] = "MPa";
    data.grid.setUp(1, gridSize, gridSize);
    for (int ix = 0; ix < gridSize; ++ix) {
        for (int iy = 0; iy < gridSize; ++iy)
            data.grid.values[ix][iy][0] = value(ix, iy);
    }
}

double median(std::vector<double> values)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One screen draw as the view makes it: the layout step and the plot onto a white page.
bool drawOnce(Grid &data, QImage &page, PrintingReporter &reporter)
{
    page.fill(Qt::white);
    PlotSettings settings;
    ColSqLayout layout;
    RunLayoutStep(data.header, settings, layout);
    QPainter painter(&page);
    QPainterCanvas canvas(painter, 100.0);
    ReadoutGeometry readout;
    return DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, readout);
}

struct SemblaTimes
{
    double drawMs = NAN;
    double drawAndPngMs = NAN;
    double pdfMs = NAN;
};

SemblaTimes timeSembla(Grid &data, int repeats, const QString &pngPath)
{
    PrintingReporter reporter;
    QImage page(pageWidth, pageHeight, QImage::Format_RGB32);
    drawOnce(data, page, reporter); // warm-up: font caches
    std::vector<double> draws;
    std::vector<double> withPng;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!drawOnce(data, page, reporter))
            return {};
        draws.push_back(timer.nsecsElapsed() / 1.0e6);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        page.save(&png, "PNG");
        withPng.push_back(timer.nsecsElapsed() / 1.0e6);
    }
    page.save(pngPath);

    // Paper: one exact rectangle per run, into a PDF in memory.
    QElapsedTimer timer;
    timer.start();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        QPainter painter(&writer);
        PlotSettings settings;
        ColSqLayout layout;
        RunLayoutStep(data.header, settings, layout);
        QPainterCanvas canvas(painter, writer.resolution());
        ReadoutGeometry readout;
        DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, readout);
    }
    return {median(draws), median(withPng), timer.nsecsElapsed() / 1.0e6};
}

double timeMatplotlib(const Grid &data, const QString &python, const QString &script, const QTemporaryDir &folder,
                      const QString &name)
{
    const QString gridPath = folder.filePath(name + ".f32");
    QFile file(gridPath);
    if (!file.open(QIODevice::WriteOnly))
        return NAN;
    file.write(reinterpret_cast<const char *>(data.grid.data()),
               static_cast<qint64>(data.grid.valueCount() * sizeof(float)));
    file.close();

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(python, {script, gridPath, QString::number(gridSize), QString::number(gridSize),
                           QString::number(pageWidth), QString::number(pageHeight),
                           QString::number(matplotlibRepeats), folder.filePath(name + "-matplotlib.png")});
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::cerr << "render_bench: " << python.toStdString() << " " << script.toStdString() << " failed\n";
        return NAN;
    }
    std::vector<double> times;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (!line.trimmed().isEmpty())
            times.push_back(line.trimmed().toDouble());
    }
    return median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    int repeats = 20;
    QString python = "/usr/bin/python3";
    const QStringList arguments = QGuiApplication::arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--repeats")
            repeats = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == "--python")
            python = arguments[i + 1];
    }
    const QString script = QStringLiteral(SEMBLA_BENCH_DIR "/render_bench_pcolormesh.py");
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;

    struct Case
    {
        const char *name;
        double target;
        std::function<float(int, int)> value;
    };
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> uniform(0.0f, 100.0f);
    const std::vector<Case> cases{
        {"smooth", 0.05,
         [](int ix, int iy) {
             return static_cast<float>(50.0 + 40.0 * std::sin(ix * 0.006) * std::cos(iy * 0.004)
                                       + 5.0 * std::sin((ix + iy) * 0.01));
         }},
        {"random", 0.10, [&](int, int) { return uniform(random); }},
    };

    std::printf("render_bench: %d x %d cells onto a %d x %d image at 100 dpi; median of %d draws "
                "(matplotlib: %d, after one warm-up)\n",
                gridSize, gridSize, pageWidth, pageHeight, repeats, matplotlibRepeats);
    std::printf("%-7s %10s %12s %10s %14s %8s %8s %12s\n", "data", "sembla ms", "+ PNG save", "pdf runs",
                "matplotlib ms", "ratio", "target", "");
    bool met = true;
    for (const Case &c : cases) {
        Grid data;
        fill(data, c.value);
        const SemblaTimes sembla = timeSembla(data, repeats, folder.filePath(QString(c.name) + "-sembla.png"));
        const double matplotlib = timeMatplotlib(data, python, script, folder, c.name);
        const double ratio = sembla.drawMs / matplotlib;
        const bool ok = ratio <= c.target;
        met = met && ok;
        std::printf("%-7s %10.1f %12.1f %10.1f %14.1f %8.3f %8.2f %12s\n", c.name, sembla.drawMs,
                    sembla.drawAndPngMs, sembla.pdfMs, matplotlib, ratio, c.target, ok ? "met" : "NOT MET");
    }
    return met ? 0 : 1;
}
