#pragma once

#include "data/Reporter.h"

#include <iostream>
#include <string>

namespace Bench {

// The benchmarks' messages go to stderr, beside their figures on stdout.
class PrintingReporter : public Reporter
{
public:
    void report(const std::string &message) override { std::cerr << message << '\n'; }
};

} // namespace Bench
