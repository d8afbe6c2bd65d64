#include "export/StepSelection.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace {

bool parseStep(const std::string &text, int &step)
{
    const char *end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, step);
    return error == std::errc() && rest == end;
}

} // namespace

std::variant<StepSelection, std::string> StepSelection::parse(const std::string &text, int stepCount)
{
    // A set keeps a range such as 1-1000000 of a short file from being listed before it is refused.
    std::set<int> steps;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string piece = text.substr(start, comma - start);
        const std::size_t dash = piece.find('-');
        int first = 0;
        int last = 0;
        const bool valid = dash == std::string::npos
                               ? parseStep(piece, first) && parseStep(piece, last)
                               : parseStep(piece.substr(0, dash), first) && parseStep(piece.substr(dash + 1), last);
        if (!valid || first > last)
            return "\"" + piece + "\" is no step or range of steps A-B (in \"" + text + "\")";
        if (first < 1 || last > stepCount)
            return "step " + std::to_string(first < 1 ? first : last) + " is not in the file, which has steps 1 to "
                   + std::to_string(stepCount);
        for (int step = first; step <= last; ++step)
            steps.insert(step);
        start = comma + 1;
    }
    return StepSelection{{steps.begin(), steps.end()}};
}

StepSelection StepSelection::all(int stepCount)
{
    StepSelection selection;
    for (int step = 1; step <= stepCount; ++step)
        selection.steps.push_back(step);
    return selection;
}
