#pragma once

#include <optional>
#include <string>
#include <utility>

class Reporter;

// The user minimum and maximum of the colour scale; any two numbers will do.
struct ScaleRange
{
    float min = 0.0f;
    float max = 0.0f;
};

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
