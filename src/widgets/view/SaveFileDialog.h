#pragma once

#include "export/OutputFileRequest.h"

#include <string>

class QWidget;

// The save dialog of an export: the request's filter, suffix and proposed name
// (its folder opened), an overwrite prompt. The chosen path in the system's
// bytes, or an empty one when the user cancelled.
std::string askForOutputPath(QWidget *parent, const OutputFileRequest &request);
