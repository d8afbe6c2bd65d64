#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// The files a batch export writes: one per step, named from one output name.
struct StepOutput
{
    int step = 1;
    std::string path; // the system's bytes
};

// Without a step list, the one step `step` goes to `out` (a numbered name takes its
// number). With one, every listed step goes to `out` numbered by the step; a plain
// name serves a single step only. A message says what is wrong otherwise.
std::variant<std::vector<StepOutput>, std::string> PlanStepOutputs(const std::optional<std::string> &stepList,
                                                                     const std::string &out, int stepCount, int step);
