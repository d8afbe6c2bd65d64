#pragma once

#include <string>

// Where the program's messages go: a message box in the viewer, stderr in the
// command-line tool, a list in the tests. Every message is an OK-only notice.
class Reporter
{
public:
    virtual ~Reporter() = default;
    virtual void report(const std::string &message) = 0;
};
