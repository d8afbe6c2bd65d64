#pragma once

#include <string>

struct PlotSettings;

// Flicking through the steps: where a key or the step toolbar goes, and what
// a step change does to the plot choices. Steps run 1..stepCount.
namespace StepNavigation {

int next(int step, int stepCount);
int previous(int step, int stepCount);
// Playing: the step after, back to the first after the last.
int nextLooping(int step, int stepCount);

// Makes step the shared step of the Colored Square, Cross Section and FishNet
// Plots, kept inside 1..stepCount: a changed step is read again before its next
// use (the step reload rule) and the charts that show it are refilled. The
// History Plot takes no part. Returns whether the step changed.
bool changeStep(PlotSettings &settings, int step, int stepCount);

// The status bar's "Step s of N", "Step s of N - not in the file" on a step
// after the completeSteps the file held whole; empty without a file or while
// the History Plot, which has no step, is shown.
std::string statusText(const PlotSettings &settings, bool fileLoaded, int stepCount, int completeSteps);

// What the Step toolbar says of a file that does not hold every step whole:
// "Last complete step: 7", or "No complete step" when even step 1 is not;
// empty when every step is whole.
std::string lastCompleteStepText(int stepCount, int completeSteps);

} // namespace StepNavigation
