#include "model/StepReload.h"

#include "data/CPlotDoc.h"
#include "model/PlotSettings.h"

bool applyStepReload(CPlotDoc &document, PlotSettings &settings)
{
    if (!settings.stepReloadPending && document.heldStep() == settings.step)
        return true;
    settings.stepReloadPending = false;
    return document.loadStep(settings.step);
}

std::string stepNotInTheFileText(const CPlotDoc &document, const PlotSettings &settings)
{
    if (settings.plotType == PlotType::History || settings.step <= document.completeSteps())
        return {};
    return "Step " + std::to_string(settings.step)
           + " is not in the file, which ends or is damaged before it: its values were not read, so nothing was "
             "written.";
}

bool needsStepRanges(const PlotSettings &settings)
{
    return settings.plotType == PlotType::ColoredSquare && settings.colSq.scaleMode == ScaleMode::Automatic
           && settings.colSqScaleOverAllSteps;
}

int lastStepNeeded(const SeamHeader &header, const PlotSettings &settings)
{
    return settings.plotType == PlotType::History || needsStepRanges(settings) ? header.stepCount : settings.step;
}

std::string waitingText(const SeamHeader &header, const PlotSettings &settings)
{
    if (settings.plotType == PlotType::History || needsStepRanges(settings))
        return "Waiting for all " + std::to_string(header.stepCount) + " steps to be read";
    return "Waiting for step " + std::to_string(settings.step) + " to be read";
}
