#include "cli/ChartRender.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/PlotOptions.h"
#include "cli/StepsOption.h"

#include "data/CPlotDoc.h"
#include "data/LocalFileNames.h"
#include "export/OutputFile.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PagePicture.h"
#include "model/PlotSettings.h"
#include "model/StepReload.h"

#include <map>
#include <memory>
#include <optional>

namespace {

constexpr int defaultDpi = 100;
constexpr int maxDpi = 1200;

const std::map<QString, Palette> palettes{
    {"cold-to-hot", Palette::ColdToHot},
    {"hot-to-cold", Palette::HotToCold},
    {"roygbiv", Palette::Roygbiv},
};

// The Colored Square Plot of the settings, drawn by the viewer's own routine.
PagePicture::CanvasDrawing coloredSquareDrawing(CPlotDoc &document, PlotSettings &settings)
{
    return [&document, &settings](Canvas &canvas) {
        ColSqLayout layout;
        RunLayoutStep(document.header(), settings, layout);
        settings.plotTitle = document.header().itemName(settings.colSq.itemIndex);
        ReadoutGeometry readout;
        return DrawColoredSquare(document, settings, layout, canvas, readout);
    };
}

// The page of the settings' plot at their step, made whole in memory. A chart is
// made once, as the viewer makes it, and refilled for every later step.
std::optional<QByteArray> renderPage(CPlotDoc &document, PlotSettings &settings, PagePicture::Format format, int dpi,
                                     std::unique_ptr<ChartRender> &chart, Reporter &reporter, QString &error)
{
    if (settings.plotType == PlotType::ColoredSquare) {
        if (!applyStepReload(document, settings))
            return std::nullopt;
        return PagePicture::encode(format, dpi, coloredSquareDrawing(document, settings), error);
    }
    if (!chart)
        chart = std::make_unique<ChartRender>(document, settings, reporter);
    if (!chart->make())
        return std::nullopt;
    return PagePicture::encode(format, dpi, chart->drawing(), error);
}

} // namespace

int runRender(const QStringList &givenArguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws a plot of a seam output file into a PNG, SVG or PDF file, as the "
                                     "viewer draws it on a page of 1024 x 768 hundredths of an inch. The charts "
                                     "fill the page as far as their proportions allow; fishnet needs OpenGL on a "
                                     "window system (xvfb-run -a gives one).");
    const QCommandLineOption output(QStringList{"o", "output"}, "The file to write; its extension (.png, .svg or "
                                                                ".pdf) gives the format.", "OUT");
    const QCommandLineOption palette("palette", "cold-to-hot (default), hot-to-cold or roygbiv.", "NAME",
                                     "cold-to-hot");
    const QCommandLineOption scale("scale", scaleOptionHelp(), "MIN:MAX|all-steps");
    const QCommandLineOption label("label", "Names the file and the step below the Colored Square Plot's grid.");
    const QCommandLineOption dpi("dpi", "Pixels per inch of a PNG (default 100).", "N",
                                 QString::number(defaultDpi));
    parser.addOptions({output, palette, scale, dpi, label});
    PlotOptions plotOptions(parser);
    StepsOption steps(parser);
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    const QString syntax = "render FILE -o OUT " + PlotOptions::syntax()
                           + " [--palette cold-to-hot|hot-to-cold|roygbiv] [--scale MIN:MAX|all-steps] [--dpi N] [--label] "
                           + StepsOption::syntax();
    QStringList arguments = givenArguments;
    if (!PlotOptions::joinWindowValues(arguments))
        return usageError("--window needs four numbers: MINX MAXX MINY MAXY.");
    if (const int status = parseVerbArguments(parser, arguments, syntax); status >= 0)
        return status;
    if (const int status = plotOptions.read(parser); status >= 0)
        return status;

    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("render takes exactly one FILE.");
    if (!parser.isSet(output))
        return usageError("render needs -o OUT.");
    const QString outPath = parser.value(output);
    const std::optional<PagePicture::Format> format = PagePicture::formatOf(outPath);
    if (!format)
        return usageError("OUT must end in .png, .svg or .pdf: " + LocalFileNames::display(outPath));

    PlotSettings settings;
    settings.stepLabel = parser.isSet(label);
    const auto chosenPalette = palettes.find(parser.value(palette));
    if (chosenPalette == palettes.end())
        return usageError("--palette must be cold-to-hot, hot-to-cold or roygbiv, not '" + parser.value(palette)
                          + "'.");
    settings.colSq.palette = chosenPalette->second;
    if (parser.isSet(scale)) {
        if (const int status = applyScaleOption(parser.value(scale), settings); status >= 0)
            return status;
    }
    const std::optional<int> pageDpi = parseWholeNumber(parser.value(dpi));
    if (!pageDpi || *pageDpi < 1 || *pageDpi > maxDpi)
        return usageError("--dpi must be a whole number from 1 to " + QString::number(maxDpi) + ", not '"
                          + parser.value(dpi) + "'.");

    StderrReporter reporter;
    CPlotDoc document(reporter);
    const QString filePath = files.front();
    if (!isOpen(openInput(document, filePath)))
        return ExitStatus::failed;
    const int status = plotOptions.apply(LocalFileNames::display(filePath), document.header(), settings);
    if (status >= 0)
        return status;
    if (steps.isSet(parser) && settings.plotType == PlotType::History)
        return usageError("--steps does not apply to the history plot, which shows every step.");
    std::vector<StepOutput> outputs;
    if (const int planned = steps.plan(parser, outPath, document.header(), settings.step, outputs); planned >= 0)
        return planned;

    std::unique_ptr<ChartRender> chart;
    const bool written = StepsOption::writeEach(outputs, document.header(), settings, [&](const StepOutput &out) {
        QString error;
        const std::optional<QByteArray> page =
            renderPage(document, settings, *format, *pageDpi, chart, reporter, error);
        // The page is made whole in memory first: the file is written only when there is one to write.
        if (page && OutputFile::writeWhole(out.path, *page, error))
            return true;
        if (!error.isEmpty())
            reporter.report(error.toStdString());
        return false;
    });
    return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
}
