#pragma once

#include "dialogs/ColSqOptions.h"
#include "dialogs/FishNetOptions.h"
#include "dialogs/HistoryOptions.h"
#include "dialogs/XSecOptions.h"

struct PlotSettings;
struct SeamHeader;

// The four plot commands between the settings and their options dialogs:
// what a dialog opens with, and what its OK makes of the settings. A cancelled
// dialog calls nothing here, so the settings stay as they were.
//
//   XSecOptionsDlg dialog(PlotCommands::crossSectionChoice(settings), header, reporter, this);
//   if (dialog.exec() == QDialog::Accepted)
//       PlotCommands::apply(settings, dialog.choice(), header);
namespace PlotCommands {

ColSqChoice coloredSquareChoice(const PlotSettings &settings);
XSecChoice crossSectionChoice(const PlotSettings &settings);
HistoryChoice historyChoice(const PlotSettings &settings);
FishNetChoice fishNetChoice(const PlotSettings &settings);

// Copy back, title the plot after the chosen item and make its type current;
// a changed step is marked for reloading and a chart for refilling. The
// History Plot has no step and leaves it alone.
void apply(PlotSettings &settings, const ColSqChoice &choice, const SeamHeader &header);
void apply(PlotSettings &settings, const XSecChoice &choice, const SeamHeader &header);
void apply(PlotSettings &settings, const HistoryChoice &choice, const SeamHeader &header);
void apply(PlotSettings &settings, const FishNetChoice &choice, const SeamHeader &header);

} // namespace PlotCommands
