#include "cli/PlotOptions.h"

#include "cli/CliSupport.h"

#include "data/SeamHeader.h"
#include "model/PlotSettings.h"

#include <QCommandLineParser>

#include <algorithm>
#include <map>
#include <vector>

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

} // namespace

PlotOptions::PlotOptions(QCommandLineParser &parser)
    : m_plot("plot", "colored-square (default), fishnet, cross-section or history.", "PLOT", "colored-square"),
      m_item("item", "The stress item, 0-based (default 0).", "K", "0"),
      m_step("step", "The step, 1-based (default 1); not used by history.", "S", "1"),
      m_direction("direction", "cross-section: along a row (x, default) or a column (y).", "x|y", "x"),
      m_location("location", "cross-section: the row or column, 1-based (default 1).", "L", "1"),
      m_window("window", "history: the columns MINX..MAXX and rows MINY..MAXY, 1-based (default 1 1 1 1).",
               "MINX MAXX MINY MAXY", "1,1,1,1"),
      m_mode("mode", "history: average (default) or total over the window.", "MODE", "average")
{
    parser.addOptions({m_plot, m_item, m_step, m_direction, m_location, m_window, m_mode});
}

QString PlotOptions::syntax()
{
    return "[--plot colored-square|fishnet|cross-section|history] [--item K] [--step S] [--direction x|y] "
           "[--location L] [--window MINX MAXX MINY MAXY] [--mode average|total]";
}

bool PlotOptions::joinWindowValues(QStringList &arguments)
{
    return joinOptionValues(arguments, "--window", 4);
}

int PlotOptions::read(const QCommandLineParser &parser)
{
    const auto plotType = plotTypes.find(parser.value(m_plot));
    if (plotType == plotTypes.end())
        return usageError("--plot must be colored-square, fishnet, cross-section or history, not '"
                          + parser.value(m_plot) + "'.");
    const auto direction = directions.find(parser.value(m_direction));
    if (direction == directions.end())
        return usageError("--direction must be x or y, not '" + parser.value(m_direction) + "'.");
    const auto mode = modes.find(parser.value(m_mode));
    if (mode == modes.end())
        return usageError("--mode must be average or total, not '" + parser.value(m_mode) + "'.");
    std::array<int, 3> numbers{};
    const std::array<const QCommandLineOption *, 3> numberOptions{&m_item, &m_step, &m_location};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const QString text = parser.value(*numberOptions[i]);
        const std::optional<int> number = parseWholeNumber(text);
        if (!number)
            return usageError("--" + numberOptions[i]->names().front() + " must be a whole number, not '" + text
                              + "'.");
        numbers[i] = *number;
    }
    std::vector<int> bounds;
    for (const QString &bound : parser.value(m_window).split(',')) {
        if (const std::optional<int> number = parseWholeNumber(bound))
            bounds.push_back(*number);
    }
    if (bounds.size() != 4)
        return usageError("--window takes four whole numbers, not '" + parser.value(m_window).replace(',', ' ')
                          + "'.");
    m_chosenPlot = plotType->second;
    m_chosenDirection = direction->second;
    m_chosenMode = mode->second;
    m_itemIndex = numbers[0];
    m_stepNumber = numbers[1];
    m_locationNumber = numbers[2];
    std::copy(bounds.begin(), bounds.end(), m_bounds.begin());
    return -1;
}

int PlotOptions::apply(const QString &filePath, const SeamHeader &header, PlotSettings &settings) const
{
    const QString columns = filePath + " has " + QString::number(header.columnCount) + " columns.";
    const QString rows = filePath + " has " + QString::number(header.rowCount) + " rows.";
    const bool alongX = m_chosenDirection == CrossSectionDirection::ParallelToX;
    const int status = checkRanges({
        {"--item", m_itemIndex, 0, header.itemCount - 1,
         filePath + " has " + QString::number(header.itemCount) + " stress items."},
        {"--step", m_stepNumber, 1, header.stepCount, filePath + " has " + QString::number(header.stepCount) + " steps."},
        {"--location", m_locationNumber, 1, alongX ? header.rowCount : header.columnCount, alongX ? rows : columns},
        {"--window MINX", m_bounds[0], 1, header.columnCount, columns},
        {"--window MAXX", m_bounds[1], m_bounds[0], header.columnCount, "MAXX runs from MINX; " + columns},
        {"--window MINY", m_bounds[2], 1, header.rowCount, rows},
        {"--window MAXY", m_bounds[3], m_bounds[2], header.rowCount, "MAXY runs from MINY; " + rows},
    });
    if (status >= 0)
        return status;

    settings.plotType = m_chosenPlot;
    settings.previousPlotType = settings.plotType;
    settings.activeItem() = m_itemIndex;
    settings.plotTitle = header.itemName(m_itemIndex);
    settings.layoutReady = true;
    settings.step = m_stepNumber;
    settings.xsec.direction = m_chosenDirection;
    settings.xsec.location = m_locationNumber;
    settings.history.minX = m_bounds[0];
    settings.history.maxX = m_bounds[1];
    settings.history.minY = m_bounds[2];
    settings.history.maxY = m_bounds[3];
    settings.history.mode = m_chosenMode;
    for (PlotType type : chartPlotTypes)
        settings.*chartFactsOf(type)->needsData = type == settings.plotType;
    return -1;
}

QString scaleOptionHelp()
{
    return "A fixed colour scale from MIN to MAX instead of the step's extremes, or all-steps for the extremes of "
           "all steps, the same at every step.";
}

int applyScaleOption(const QString &value, PlotSettings &settings)
{
    if (value == "all-steps") {
        settings.colSq.scaleMode = ScaleMode::Automatic;
        settings.colSqScaleOverAllSteps = true;
        return -1;
    }
    const QStringList limits = value.split(':');
    const std::optional<float> lower = limits.size() == 2 ? parseFiniteFloat(limits[0]) : std::nullopt;
    const std::optional<float> upper = limits.size() == 2 ? parseFiniteFloat(limits[1]) : std::nullopt;
    if (!lower || !upper || *lower > *upper)
        return usageError("--scale must be MIN:MAX, two finite numbers with MIN not above MAX, or all-steps, not '"
                          + value + "'.");
    settings.colSq.scaleMode = ScaleMode::MinToMax;
    settings.colSq.scaleMin = *lower;
    settings.colSq.scaleMax = *upper;
    return -1;
}
