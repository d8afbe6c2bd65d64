#include "model/StepNavigation.h"

#include "model/PlotSettings.h"

#include <algorithm>

namespace StepNavigation {

int next(int step, int stepCount)
{
    return std::clamp(step + 1, 1, std::max(stepCount, 1));
}

int previous(int step, int stepCount)
{
    return std::clamp(step - 1, 1, std::max(stepCount, 1));
}

int nextLooping(int step, int stepCount)
{
    return step >= stepCount ? 1 : std::max(step + 1, 1);
}

bool changeStep(PlotSettings &settings, int step, int stepCount)
{
    const int wanted = std::clamp(step, 1, std::max(stepCount, 1));
    if (wanted == settings.step)
        return false;
    settings.step = wanted;
    settings.stepReloadPending = true;
    settings.xsecNeedsData = true;
    settings.fishnetNeedsData = true;
    return true;
}

std::string statusText(const PlotSettings &settings, bool fileLoaded, int stepCount, int completeSteps)
{
    if (!fileLoaded || settings.plotType == PlotType::History)
        return {};
    const std::string text = "Step " + std::to_string(settings.step) + " of " + std::to_string(stepCount);
    return settings.step > completeSteps ? text + " - not in the file" : text;
}

std::string lastCompleteStepText(int stepCount, int completeSteps)
{
    if (completeSteps >= stepCount)
        return {};
    return completeSteps < 1 ? "No complete step" : "Last complete step: " + std::to_string(completeSteps);
}

} // namespace StepNavigation
