#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/PlotOptions.h"
#include "cli/StepsOption.h"

#include "data/CPlotDoc.h"
#include "data/LocalFileNames.h"
#include "export/AsciiExport.h"
#include "model/PlotSettings.h"

int runAscii(const QStringList &givenArguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the data behind a plot of a seam output file as an ASCII file, as the "
                                     "viewer's Save As ASCII does.");
    const QCommandLineOption output(QStringList{"o", "output"},
                                    "The file to write (default: the viewer's default name with .asc).", "OUT");
    parser.addOption(output);
    PlotOptions plotOptions(parser);
    StepsOption steps(parser);
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    const QString syntax = "ascii FILE [-o OUT] " + PlotOptions::syntax() + " " + StepsOption::syntax();
    QStringList arguments = givenArguments;
    if (!PlotOptions::joinWindowValues(arguments))
        return usageError("--window needs four numbers: MINX MAXX MINY MAXY.");
    if (const int status = parseVerbArguments(parser, arguments, syntax); status >= 0)
        return status;

    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("ascii takes exactly one FILE.");
    if (const int status = plotOptions.read(parser); status >= 0)
        return status;
    if (steps.isSet(parser) && !parser.isSet(output))
        return usageError("--steps needs -o OUT with one integer conversion such as %03d.");

    StderrReporter reporter;
    CPlotDoc document(reporter);
    const QString filePath = files.front();
    if (!isOpen(openInput(document, filePath)))
        return ExitStatus::failed;
    PlotSettings settings;
    const int status = plotOptions.apply(LocalFileNames::display(filePath), document.header(), settings);
    if (status >= 0)
        return status;

    if (!parser.isSet(output)) {
        const bool written = SaveAsciiCommand(document, settings, exportPathChooser(QString()));
        return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
    }
    if (steps.isSet(parser) && settings.plotType == PlotType::History)
        return usageError("--steps does not apply to the history plot, which holds every step.");
    std::vector<StepOutput> outputs;
    if (const int planned = steps.plan(parser, parser.value(output), document.header(), settings.step, outputs);
        planned >= 0)
        return planned;
    const bool written = StepsOption::writeEach(outputs, document.header(), settings, [&](const StepOutput &out) {
        return SaveAsciiCommand(document, settings, [&out](const OutputFileRequest &) { return out.path; });
    });
    return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
}
