#pragma once

#include "model/PlotSettings.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <array>

class QCommandLineParser;
struct SeamHeader;

// The plot choices of the verbs that draw or export a plot: --plot, --item,
// --step, --direction, --location, --window and --mode, checked against the
// file and put into PlotSettings as the plot command's OK leaves them.
class PlotOptions
{
public:
    // Adds the options to the parser.
    explicit PlotOptions(QCommandLineParser &parser);

    static QString syntax();
    // QCommandLineParser gives an option one value; --window takes four, joined here
    // into "--window=A,B,C,D". False when fewer than four follow it.
    static bool joinWindowValues(QStringList &arguments);

    // The values' form, after parsing: a usage status on error, -1 when they read.
    int read(const QCommandLineParser &parser);
    // The values against the opened file, then the settings: a usage status on
    // error, -1 when the settings are filled.
    int apply(const QString &filePath, const SeamHeader &header, PlotSettings &settings) const;

private:
    QCommandLineOption m_plot;
    QCommandLineOption m_item;
    QCommandLineOption m_step;
    QCommandLineOption m_direction;
    QCommandLineOption m_location;
    QCommandLineOption m_window;
    QCommandLineOption m_mode;

    PlotType m_chosenPlot = PlotType::ColoredSquare;
    CrossSectionDirection m_chosenDirection = CrossSectionDirection::ParallelToX;
    HistoryMode m_chosenMode = HistoryMode::Average;
    int m_itemIndex = 0;
    int m_stepNumber = 1;
    int m_locationNumber = 1;
    std::array<int, 4> m_bounds{1, 1, 1, 1};
};

// The value of --scale MIN:MAX into the settings as a Min. to Max. colour scale,
// or "all-steps" as the automatic scale over all steps of the file: a usage
// status when it is neither (MIN:MAX two finite numbers with MIN not above
// MAX), -1 when the settings took it.
int applyScaleOption(const QString &value, PlotSettings &settings);
QString scaleOptionHelp();
