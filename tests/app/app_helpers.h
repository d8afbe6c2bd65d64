#pragma once

#include "data/CPlotDoc.h"

#include <string>

class CMainFrame;

// The viewer's organisation and application name over settings and cache
// folders of this test process alone, emptied: a test never reads or writes the
// user's own, nor another test's.
void useTestSettings();

// Opens a file through the main window as a user does, and waits for the open to end.
CPlotDoc::OpenResult openAndWait(CMainFrame &frame, CPlotDoc &document, const std::string &path);
