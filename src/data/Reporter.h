#pragma once

#include <string>

// Where the program's messages go: a message box in the viewer, stderr in the
// command-line tool, a list in the tests. Every message is an OK-only notice.
class Reporter
{
public:
    virtual ~Reporter() = default;
    virtual void report(const std::string &message) = 0;

    // The same message for each of the steps firstStep to lastStep, met one
    // after the other: once per step unless a reporter says it once for all.
    virtual void reportSteps(const std::string &message, int firstStep, int lastStep)
    {
        for (int step = firstStep; step <= lastStep; ++step)
            report(message);
    }
};
