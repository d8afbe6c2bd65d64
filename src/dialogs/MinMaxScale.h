#pragma once

#include <optional>
#include <string>
#include <utility>

class Reporter;
class StepRanges;

// The user minimum and maximum of the colour scale; any two numbers will do.
struct ScaleRange
{
    float min = 0.0f;
    float max = 0.0f;
};

// What the "This Step" and "All Steps" buttons fill the boxes with: the item's
// range at the step / over the whole file; nothing while it is not known.
struct FillRanges
{
    std::optional<ScaleRange> thisStep;
    std::optional<ScaleRange> allSteps;
};
// The ranges of the item at the step from the file's table (nullptr until it is read whole).
FillRanges fillRangesFor(const StepRanges *ranges, int item, int step);

// The rules of the "Min-Max Scale" dialog: two boxes read back as numbers at OK.
class MinMaxScale
{
public:
    enum class Box { Minimum, Maximum };

    explicit MinMaxScale(ScaleRange initial);

    const std::string &minText() const { return m_minText; }
    const std::string &maxText() const { return m_maxText; }
    void editMin(std::string text) { m_minText = std::move(text); }
    void editMax(std::string text) { m_maxText = std::move(text); }
    // Both boxes take the range, in digits that read back as the very floats.
    void fill(const ScaleRange &range);

    // Reads the maximum box, then the minimum box. Empty when both hold a
    // number, else the box that did not, which takes the focus.
    std::optional<Box> ok(Reporter &reporter);
    // What OK read.
    ScaleRange range() const { return m_range; }

private:
    ScaleRange m_range;
    std::string m_minText;
    std::string m_maxText;
};
