#include "export/StepOutputs.h"

#include "export/NumberedFileName.h"
#include "export/StepSelection.h"

std::variant<std::vector<StepOutput>, std::string> PlanStepOutputs(const std::optional<std::string> &stepList,
                                                                     const std::string &out, int stepCount, int step)
{
    std::vector<int> steps{step};
    if (stepList) {
        auto parsed = StepSelection::parse(*stepList, stepCount);
        if (auto *message = std::get_if<std::string>(&parsed))
            return *message;
        steps = std::move(std::get<StepSelection>(parsed).steps);
    }
    const std::optional<NumberedFileName> numbered = NumberedFileName::fromPattern(out);
    if (!numbered && NumberedFileName::looksLikePattern(out))
        return "the output name holds a \"%\" that is not one integer conversion such as %d or %03d (write %% for a "
               "\"%\" of the name)";
    if (!numbered && steps.size() > 1)
        return "the output name needs one integer conversion such as %03d to name a file for each of "
               + std::to_string(steps.size()) + " steps";
    std::vector<StepOutput> outputs;
    outputs.reserve(steps.size());
    for (const int each : steps)
        outputs.push_back({each, numbered ? numbered->nameFor(each) : out});
    return outputs;
}
