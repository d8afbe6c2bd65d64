#pragma once

#include <string>
#include <variant>
#include <vector>

// The steps a batch export writes, as a user types them: "7", "3-9" or a comma
// list of both ("1,5,9-12"). The steps come back ascending, each once.
struct StepSelection
{
    std::vector<int> steps;

    // The steps of `text` when every one lies in 1 .. stepCount, otherwise a message
    // that says what is wrong with the text.
    static std::variant<StepSelection, std::string> parse(const std::string &text, int stepCount);
    static StepSelection all(int stepCount);
};
