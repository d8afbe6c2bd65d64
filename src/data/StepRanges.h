#pragma once

#include <cstddef>
#include <vector>

// The smallest and largest value of one stress item; not known while no value
// other than NaN was seen.
struct ValueRange
{
    float min = 0.0f;
    float max = 0.0f;
    bool known = false;

    void add(float value);
    void add(const ValueRange &other);
};

// The range of every stress item at every step of a file, gathered while the
// open reads the values, so that no step is read twice for it. NaN values take
// no part. Steps run 1..stepCount, items 0..itemCount-1.
class StepRanges
{
public:
    StepRanges() = default;
    StepRanges(int stepCount, int itemCount);

    int stepCount() const { return m_stepCount; }
    int itemCount() const { return m_itemCount; }
    bool empty() const { return m_ranges.empty(); }

    // Values [begin, end) of the step's block, where value i is item i % itemCount.
    // Steps are added in order; room is taken step by step, never for steps a
    // header only claims.
    void addValues(int step, const float *values, std::size_t begin, std::size_t end);
    // The steps after lastWritten hold what it holds (steps beyond the input's end).
    void repeatAfter(int lastWritten);

    // Unknown for a step or item outside the file.
    ValueRange atStep(int step, int item) const;
    ValueRange overAllSteps(int item) const;

private:
    bool inside(int step, int item) const;

    int m_stepCount = 0;
    int m_itemCount = 0;
    int stepsAdded() const;

    std::vector<ValueRange> m_ranges; // [step - 1][item] for the steps added; later ones repeat the last
};
