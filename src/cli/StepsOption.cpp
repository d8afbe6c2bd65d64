#include "cli/StepsOption.h"

#include "cli/CliSupport.h"
#include "data/LocalFileNames.h"
#include "data/SeamHeader.h"
#include "model/PlotSettings.h"
#include "model/StepNavigation.h"

#include <QCommandLineParser>

StepsOption::StepsOption(QCommandLineParser &parser)
    : m_steps("steps",
              "Writes each step of LIST (\"1-200\", \"1,5,9-12\") to its own file, named by OUT with one integer "
              "conversion such as %03d.",
              "LIST")
{
    parser.addOption(m_steps);
}

QString StepsOption::syntax()
{
    return "[--steps LIST]";
}

bool StepsOption::isSet(const QCommandLineParser &parser) const
{
    return parser.isSet(m_steps);
}

int StepsOption::plan(const QCommandLineParser &parser, const QString &out, const SeamHeader &header, int step,
                      std::vector<StepOutput> &outputs) const
{
    const std::optional<std::string> list =
        isSet(parser) ? std::optional<std::string>(parser.value(m_steps).toStdString()) : std::nullopt;
    auto planned = PlanStepOutputs(list, LocalFileNames::toPath(out), header.stepCount, step);
    if (const auto *message = std::get_if<std::string>(&planned))
        return usageError("--steps and OUT: " + QString::fromStdString(*message) + ".");
    outputs = std::move(std::get<std::vector<StepOutput>>(planned));
    return -1;
}

bool StepsOption::writeEach(const std::vector<StepOutput> &outputs, const SeamHeader &header, PlotSettings &settings,
                            const std::function<bool(const StepOutput &output)> &write)
{
    for (const StepOutput &output : outputs) {
        StepNavigation::changeStep(settings, output.step, header.stepCount);
        if (!write(output))
            return false;
    }
    return true;
}
