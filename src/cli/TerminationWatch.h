#pragma once

struct OpenWatch;

// SIGTERM, SIGINT and SIGHUP end sembla-cli in order: the open in progress is
// cancelled, the step cache files go with the document when the verb returns,
// and the program then ends by the same signal. A second signal ends it at once.
namespace TerminationWatch {

void install();
// The watch of the open that a signal cancels.
OpenWatch &openWatch();
// Ends the program by the signal that came, if one came.
void endIfSignalled();

} // namespace TerminationWatch
