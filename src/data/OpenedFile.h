#pragma once

#include "data/FilePath.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"
#include "data/StepRanges.h"
#include "data/WakeableInput.h"

#include <atomic>
#include <memory>
#include <string>

class Reporter;
class StepCache;

enum class OpenResult {
    Opened,           // read cleanly
    OpenedWithErrors, // loaded, but the reader reported damaged lines
    Failed,           // nothing loaded; the reason was reported
    Cancelled         // stopped on request; nothing loaded
};

// Told on the reading thread how an open goes on.
class OpenObserver
{
public:
    virtual ~OpenObserver() = default;
    // Before the first step: the file's names and header, and the cache its steps go to.
    virtual void onHeaderRead(const FilePath &names, const SeamHeader &header,
                              const std::shared_ptr<StepCache> &cache) = 0;
    // Steps 1 to count can be read from the cache now.
    virtual void onStepsReady(int count) = 0;
};

// Lets another thread follow an open and stop it.
struct OpenWatch
{
    // Stops the open soon after, also one waiting for a pipe's data; safe in a signal handler.
    void requestCancel() noexcept
    {
        cancel = true;
        wake.wake();
    }

    std::atomic<bool> cancel{false};
    InputWake wake;
    std::atomic<long long> bytesRead{0};
    std::atomic<long long> fileSize{-1}; // -1 while unknown
    std::atomic<int> step{0};            // the step being read
    std::atomic<int> stepCount{0};       // once the header is read
    // The first step the file does not hold whole, once the reading met it
    // (before that step can be read from the cache); 0 while none is.
    std::atomic<int> firstIncompleteStep{0};
    OpenObserver *observer = nullptr;
};

// A seam output file read whole, in a state of its own: its names, its header,
// the grid holding its last step and the cache files of all steps.
struct OpenedFile
{
    std::string filePath; // absolute
    FilePath names;
    SeamHeader header;
    StepGrid grid;
    // Steps 1 to completeSteps the file held whole. It cut off or damaged the
    // step after them, and every step from there on holds what the reader left.
    int completeSteps = 0;
    // Every item's range at every step, gathered while the values were read.
    StepRanges ranges;
};

// The File Open sequence for one path: the header, then every step read and
// written to its cache file. The file is filled only on Opened and
// OpenedWithErrors; otherwise every cache file this open made is gone again.
OpenResult readSeamFile(const std::string &chosenPath, Reporter &reporter, OpenedFile &file,
                        OpenWatch *watch = nullptr);
