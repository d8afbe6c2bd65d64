#pragma once

#include "export/grid/GridExport.h"
#include "support/TestSeam.h"

#include <QString>
#include <QStringList>

#include <string>

// A seam of 3 steps, 5 columns, 4 rows and 3 items on an origin and cell size
// that no binary fraction holds, with values of every kind a float takes
// (tiny, huge, subnormal, negative), and names with blanks and a quote.
TestSeam variedSeam();

// The request of an export in a format named as --format names it.
GridExportRequest gridRequest(const QString &format, const std::string &out, const QString &steps = {},
                              const std::vector<int> &items = {}, const std::string &crs = {});

// Plans and writes the export of the opened seam; false after a message (in
// the seam's reporter) or, with the plan's message, when it was refused.
bool exportGrid(OpenedSeam &seam, const GridExportRequest &request);
