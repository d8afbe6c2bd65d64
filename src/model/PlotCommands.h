#pragma once

#include "model/PlotChoices.h"

struct PlotSettings;
struct SeamHeader;

// The four plot commands between the settings and their options dialogs:
// what a dialog opens with, and what its OK makes of the settings. A cancelled
// dialog calls nothing here, so the settings stay as they were.
//
// A dialog opens with the settings' choice and, for a plot of one step, the shared step:
//
//   XSecOptionsDlg dialog(settings.xsec, settings.step, header, reporter, this);
//   if (dialog.exec() == QDialog::Accepted)
//       PlotCommands::apply(settings, dialog.choice(), dialog.stepNumber(), header);
namespace PlotCommands {

// Keep the choice, title the plot after the chosen item and make its type
// current; a changed step is marked for reloading and a chart for refilling.
// The History Plot has no step and leaves it alone.
void apply(PlotSettings &settings, const ColSqChoice &choice, int step, const SeamHeader &header);
void apply(PlotSettings &settings, const XSecChoice &choice, int step, const SeamHeader &header);
void apply(PlotSettings &settings, const HistoryChoice &choice, const SeamHeader &header);
void apply(PlotSettings &settings, const FishNetChoice &choice, int step, const SeamHeader &header);

} // namespace PlotCommands
