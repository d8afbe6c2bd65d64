#include "view/StepReload.h"

#include "data/CPlotDoc.h"
#include "view/PlotSettings.h"

bool applyStepReload(CPlotDoc &document, PlotSettings &settings)
{
    if (!settings.stepReloadPending && document.heldStep() == settings.step)
        return true;
    settings.stepReloadPending = false;
    return document.loadStep(settings.step);
}
