#include "cli/TerminationWatch.h"

#include "data/OpenedFile.h"

#include <csignal>

namespace {

OpenWatch watch;
volatile std::sig_atomic_t receivedSignal = 0;

static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only set a lock-free flag");

extern "C" void onTerminationSignal(int number)
{
    receivedSignal = number;
    watch.requestCancel();
    std::signal(number, SIG_DFL);
}

const int terminationSignals[] = {
    SIGTERM, SIGINT,
#ifdef SIGHUP
    SIGHUP,
#endif
};

} // namespace

namespace TerminationWatch {

void install()
{
    for (int number : terminationSignals)
        std::signal(number, onTerminationSignal);
}

OpenWatch &openWatch()
{
    return watch;
}

void endIfSignalled()
{
    const int number = receivedSignal;
    if (number == 0)
        return;
    std::signal(number, SIG_DFL);
    std::raise(number);
}

} // namespace TerminationWatch
