#pragma once

#include "data/CPlotDoc.h"

#include <string>

class CMainFrame;

// The viewer's organisation and application name over settings and folders of
// Qt's test mode, emptied: a test never reads or writes the user's own.
void useTestSettings();

// Opens a file through the main window as a user does, and waits for the open to end.
CPlotDoc::OpenResult openAndWait(CMainFrame &frame, CPlotDoc &document, const std::string &path);
