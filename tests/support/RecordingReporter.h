#pragma once

#include "data/Reporter.h"

#include <string>
#include <vector>

// Keeps every message instead of showing it, so a test sees what a user would have been told.
class RecordingReporter : public Reporter
{
public:
    void report(const std::string &message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};
