#pragma once

// The command numbers of the menu, toolbar and accelerator table. They travel
// as QAction data, so tests and the status bar can tell the commands apart.
namespace CommandId {
constexpr int fileNew = 57600;
constexpr int fileOpen = 57601;
constexpr int printSetup = 57606;
constexpr int filePrint = 57607;
constexpr int filePrintPreview = 57609;
constexpr int recentFileFirst = 57616;
constexpr int editUndo = 57643;
constexpr int editCut = 57635;
constexpr int editCopy = 57634;
constexpr int editPaste = 57637;
constexpr int nextPane = 57680;
constexpr int previousPane = 57681;
constexpr int appAbout = 57664;
constexpr int appExit = 57665;
constexpr int helpTopics = 57667;
constexpr int contextHelp = 57669;
constexpr int help = 57670;
constexpr int viewToolbar = 59392;
constexpr int viewStatusBar = 59393;

constexpr int saveAscii = 32783;
constexpr int saveDxf = 32784;
constexpr int historyPlot = 32785;
constexpr int fishNetPlot = 32786;
constexpr int crossSectionPlot = 32787;
constexpr int coloredSquarePlot = 32788;

// The program's own commands around the described ones.
constexpr int viewFitToWindow = 33001;
constexpr int viewActualSize = 33002;
constexpr int viewZoomIn = 33003;
constexpr int viewZoomOut = 33004;
constexpr int viewScaleOverAllSteps = 33005;
constexpr int viewStepLabel = 33006;
constexpr int exportGrid = 33007;
} // namespace CommandId

// The size of the recent-file list.
constexpr int recentFileCount = 4;
