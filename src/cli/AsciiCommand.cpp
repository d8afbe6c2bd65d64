#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "data/CPlotDoc.h"
#include "export/AsciiExport.h"
#include "view/PlotSettings.h"

#include <map>

namespace {

const std::map<QString, PlotType> plotTypes{
    {"colored-square", PlotType::ColoredSquare},
    {"fishnet", PlotType::FishNet},
    {"cross-section", PlotType::CrossSection},
    {"history", PlotType::History},
};
const std::map<QString, CrossSectionDirection> directions{
    {"x", CrossSectionDirection::ParallelToX},
    {"y", CrossSectionDirection::ParallelToY},
};
const std::map<QString, HistoryMode> modes{
    {"average", HistoryMode::Average},
    {"total", HistoryMode::Total},
};

// QCommandLineParser gives an option one value; --window takes four, joined here
// into "--window=A,B,C,D". False when fewer than four follow it.
bool joinWindowValues(QStringList &arguments)
{
    const qsizetype at = arguments.indexOf("--window");
    if (at < 0)
        return true;
    if (arguments.size() < at + 5)
        return false;
    const QString values = arguments.mid(at + 1, 4).join(',');
    arguments.remove(at, 5);
    arguments.insert(at, "--window=" + values);
    return true;
}

int &itemOf(PlotSettings &settings)
{
    switch (settings.plotType) {
    case PlotType::FishNet:
        return settings.fishnetItem;
    case PlotType::CrossSection:
        return settings.xsecItem;
    case PlotType::History:
        return settings.histItem;
    default:
        return settings.colSqItem;
    }
}

} // namespace

int runAscii(const QStringList &givenArguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the data behind a plot of a seam output file as an ASCII file, as the "
                                     "viewer's Save As ASCII does.");
    const QCommandLineOption output(QStringList{"o", "output"},
                                    "The file to write (default: the viewer's default name with .asc).", "OUT");
    const QCommandLineOption plot("plot", "colored-square (default), fishnet, cross-section or history.", "PLOT",
                                  "colored-square");
    const QCommandLineOption item("item", "The stress item, 0-based (default 0).", "K", "0");
    const QCommandLineOption step("step", "The step, 1-based (default 1); not used by history.", "S", "1");
    const QCommandLineOption direction("direction", "cross-section: along a row (x, default) or a column (y).", "x|y",
                                       "x");
    const QCommandLineOption location("location", "cross-section: the row or column, 1-based (default 1).", "L",
                                      "1");
    const QCommandLineOption window("window", "history: the columns MINX..MAXX and rows MINY..MAXY, 1-based "
                                              "(default 1 1 1 1).", "MINX MAXX MINY MAXY", "1,1,1,1");
    const QCommandLineOption mode("mode", "history: average (default) or total over the window.", "MODE",
                                  "average");
    parser.addOptions({output, plot, item, step, direction, location, window, mode});
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    const QString syntax = "ascii FILE [-o OUT] [--plot colored-square|fishnet|cross-section|history] [--item K] "
                           "[--step S] [--direction x|y] [--location L] [--window MINX MAXX MINY MAXY] "
                           "[--mode average|total]";
    QStringList arguments = givenArguments;
    if (!joinWindowValues(arguments))
        return usageError("--window needs four numbers: MINX MAXX MINY MAXY.");
    if (const int status = parseVerbArguments(parser, arguments, syntax); status >= 0)
        return status;

    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("ascii takes exactly one FILE.");
    const auto plotType = plotTypes.find(parser.value(plot));
    if (plotType == plotTypes.end())
        return usageError("--plot must be colored-square, fishnet, cross-section or history, not '"
                          + parser.value(plot) + "'.");
    const auto chosenDirection = directions.find(parser.value(direction));
    if (chosenDirection == directions.end())
        return usageError("--direction must be x or y, not '" + parser.value(direction) + "'.");
    const auto chosenMode = modes.find(parser.value(mode));
    if (chosenMode == modes.end())
        return usageError("--mode must be average or total, not '" + parser.value(mode) + "'.");
    const std::optional<int> itemIndex = parseWholeNumber(parser.value(item));
    const std::optional<int> stepNumber = parseWholeNumber(parser.value(step));
    const std::optional<int> locationNumber = parseWholeNumber(parser.value(location));
    if (!itemIndex || !stepNumber || !locationNumber)
        return usageError("--item, --step and --location take whole numbers.");
    std::vector<int> bounds;
    for (const QString &bound : parser.value(window).split(',')) {
        if (const std::optional<int> number = parseWholeNumber(bound))
            bounds.push_back(*number);
    }
    if (bounds.size() != 4)
        return usageError("--window takes four whole numbers, not '" + parser.value(window).replace(',', ' ')
                          + "'.");

    StderrReporter reporter;
    CPlotDoc document(reporter);
    const QString filePath = files.front();
    if (document.openFile(filePath.toStdString()) == CPlotDoc::OpenResult::Failed)
        return ExitStatus::failed;
    const SeamHeader &header = document.header();
    const QString columns = filePath + " has " + QString::number(header.columnCount) + " columns.";
    const QString rows = filePath + " has " + QString::number(header.rowCount) + " rows.";
    const bool alongX = chosenDirection->second == CrossSectionDirection::ParallelToX;
    const int status = checkRanges({
        {"--item", *itemIndex, 0, header.itemCount - 1,
         filePath + " has " + QString::number(header.itemCount) + " stress items."},
        {"--step", *stepNumber, 1, header.stepCount, filePath + " has " + QString::number(header.stepCount) + " steps."},
        {"--location", *locationNumber, 1, alongX ? header.rowCount : header.columnCount, alongX ? rows : columns},
        {"--window MINX", bounds[0], 1, header.columnCount, columns},
        {"--window MAXX", bounds[1], bounds[0], header.columnCount, "MAXX runs from MINX; " + columns},
        {"--window MINY", bounds[2], 1, header.rowCount, rows},
        {"--window MAXY", bounds[3], bounds[2], header.rowCount, "MAXY runs from MINY; " + rows},
    });
    if (status >= 0)
        return status;

    // The settings as the plot command's OK leaves them.
    PlotSettings settings;
    settings.plotType = plotType->second;
    settings.previousPlotType = settings.plotType;
    itemOf(settings) = *itemIndex;
    settings.plotTitle = header.itemName(*itemIndex);
    settings.layoutReady = true;
    settings.step = *stepNumber;
    settings.xsecDirection = chosenDirection->second;
    settings.xsecLocation = *locationNumber;
    settings.histMinX = bounds[0];
    settings.histMaxX = bounds[1];
    settings.histMinY = bounds[2];
    settings.histMaxY = bounds[3];
    settings.histMode = chosenMode->second;

    const bool written = SaveAsciiCommand(document, settings, exportPathChooser(parser.value(output)));
    return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
}
