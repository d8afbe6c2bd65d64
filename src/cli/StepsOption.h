#pragma once

#include "export/StepOutputs.h"

#include <QCommandLineOption>
#include <QString>

#include <functional>
#include <vector>

class QCommandLineParser;
struct PlotSettings;
struct SeamHeader;

// --steps LIST of the verbs that write one step's picture or data: the listed
// steps ("1-200", "1,5,9-12") each go to a file named by OUT's one integer
// conversion ("frames/step-%03d.png"), all from one open of the file.
class StepsOption
{
public:
    // Adds the option to the parser.
    explicit StepsOption(QCommandLineParser &parser);

    static QString syntax();
    bool isSet(const QCommandLineParser &parser) const;

    // The files to write, against the opened file: one for `step` without
    // --steps. A usage status on error, -1 when outputs is filled.
    int plan(const QCommandLineParser &parser, const QString &out, const SeamHeader &header, int step,
             std::vector<StepOutput> &outputs) const;

    // Makes each output's step the settings' step in turn, as the Step toolbar
    // does, and writes it; stops at the first that fails. True when all were written.
    static bool writeEach(const std::vector<StepOutput> &outputs, const SeamHeader &header, PlotSettings &settings,
                          const std::function<bool(const StepOutput &output)> &write);

private:
    QCommandLineOption m_steps;
};
