#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/PlotOptions.h"
#include "cli/StepsOption.h"

#include "data/CPlotDoc.h"
#include "data/LocalFileNames.h"
#include "export/ColoredSquareDxf.h"
#include "model/PlotSettings.h"

int runDxf(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the Colored Square Plot of a seam output file as a DXF drawing, as the "
                                     "viewer's Save As DXF does.");
    const QCommandLineOption output(QStringList{"o", "output"},
                                    "The file to write (default: the viewer's default name with .dxf).", "OUT");
    const QCommandLineOption item("item", "The stress item, 0-based (default 0).", "K", "0");
    const QCommandLineOption step("step", "The step, 1-based (default 1).", "S", "1");
    const QCommandLineOption scale("scale", scaleOptionHelp(), "MIN:MAX|all-steps");
    parser.addOptions({output, item, step, scale});
    StepsOption steps(parser);
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    const QString syntax = "dxf FILE [-o OUT] [--item K] [--step S] [--scale MIN:MAX|all-steps] " + StepsOption::syntax();
    if (const int status = parseVerbArguments(parser, arguments, syntax); status >= 0)
        return status;

    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("dxf takes exactly one FILE.");
    PlotSettings settings;
    if (parser.isSet(scale)) {
        if (const int status = applyScaleOption(parser.value(scale), settings); status >= 0)
            return status;
    }
    const std::optional<int> itemIndex = parseWholeNumber(parser.value(item));
    const std::optional<int> stepNumber = parseWholeNumber(parser.value(step));
    if (!itemIndex || !stepNumber)
        return usageError("--item and --step take whole numbers.");
    if (steps.isSet(parser) && !parser.isSet(output))
        return usageError("--steps needs -o OUT with one integer conversion such as %03d.");

    StderrReporter reporter;
    CPlotDoc document(reporter);
    const QString filePath = files.front();
    if (!isOpen(openInput(document, filePath)))
        return ExitStatus::failed;
    const SeamHeader &header = document.header();
    const QString fileName = LocalFileNames::display(filePath);
    const int status = checkRanges({
        {"--item", *itemIndex, 0, header.itemCount - 1,
         fileName + " has " + QString::number(header.itemCount) + " stress items."},
        {"--step", *stepNumber, 1, header.stepCount,
         fileName + " has " + QString::number(header.stepCount) + " steps."},
    });
    if (status >= 0)
        return status;

    // The settings as the Colored Square Plot command's OK leaves them.
    settings.colSq.itemIndex = *itemIndex;
    settings.plotTitle = header.itemName(*itemIndex);
    settings.layoutReady = true;
    settings.step = *stepNumber;

    if (!parser.isSet(output)) {
        const bool written = SaveDxfCommand(document, settings, exportPathChooser(QString()));
        return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
    }
    std::vector<StepOutput> outputs;
    if (const int planned = steps.plan(parser, parser.value(output), header, settings.step, outputs); planned >= 0)
        return planned;
    const bool written = StepsOption::writeEach(outputs, header, settings, [&](const StepOutput &out) {
        return SaveDxfCommand(document, settings, [&out](const OutputFileRequest &) { return out.path; });
    });
    return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
}
