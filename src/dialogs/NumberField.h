#pragma once

#include <initializer_list>
#include <optional>
#include <string>

class Reporter;

// What a scroll bar notification asks for.
enum class ScrollAction { LineLeft, LineRight, PageLeft, PageRight, ThumbTrack, Other };

// Where the keyboard focus goes after a field refused its text.
enum class FocusTarget { Box, Bar };

// An edit box paired with a horizontal scroll bar over 1..upperBound. The
// value and the bar's position are one; the box's text is what the user typed
// or what the program last wrote, and is checked when the box loses the focus.
class NumberField
{
public:
    NumberField(std::string integerMessage, std::string rangeMessage, FocusTarget focusTarget = FocusTarget::Box);

    int value() const { return m_value; }
    const std::string &text() const { return m_text; }
    int upperBound() const { return m_upperBound; }
    int pageStep() const { return m_pageStep; }
    FocusTarget focusTarget() const { return m_focusTarget; }

    // A new bound (and page step): the value is pulled inside it and written into the box.
    void setRange(int upperBound, int pageStep);
    // A value the program sets: pulled inside the bound and written into the box.
    void setValue(int value);

    // The user typed or pasted into the box; nothing is checked yet.
    void edit(std::string text);
    // The box lost the focus: its text read like atoi must lie in 1..upperBound.
    // False when it did not; the message is shown and the field reset.
    bool focusLost(Reporter &reporter);
    void scroll(ScrollAction action, int trackedPosition = 0);
    // Back to 1, shown in the box.
    void reset();

private:
    std::string m_integerMessage;
    std::string m_rangeMessage;
    FocusTarget m_focusTarget = FocusTarget::Box;
    int m_upperBound = 1;
    int m_pageStep = 1;
    int m_value = 1;
    std::string m_text = "1";
};

// A control of a dialog that must take the keyboard focus.
struct FocusRequest
{
    const NumberField *field = nullptr;
    FocusTarget target = FocusTarget::Box;
};

// OK first runs the focus-loss check of the box that has the focus (none when
// `focused` is null), so a value confirmed with Enter is checked like one tabbed
// away from. Empty when it passed, else where the focus goes.
std::optional<FocusRequest> checkFocusedField(NumberField *focused, Reporter &reporter);

// The framework's reading of the boxes at OK, in data-exchange order: a box
// whose text does not begin with an integer is refused and takes the focus.
std::optional<FocusRequest> transferIntegers(std::initializer_list<const NumberField *> fields, Reporter &reporter);
