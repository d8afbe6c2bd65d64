#pragma once

#include <QRect>
#include <QSize>

// Where a chart lands on a printed page: as large as the printable area allows,
// its proportions kept, centred along the other axis. The chart's size is in
// pixels, the printable area and the result in device units of the printer.
QRect chartPrintRect(QSize chart, QSize printable);
