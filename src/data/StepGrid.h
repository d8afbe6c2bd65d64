#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class StepCache;

// The values of one step: values[ix][iy][k] for column ix, row iy and stress
// item k, all 0-based. They lie in one block in cache order, so a step cache
// file is written and read in bulk.
class StepGrid
{
public:
    // The values[ix][iy][k] access over the block.
    class Column
    {
    public:
        float *operator[](int iy) const { return m_first + static_cast<std::ptrdiff_t>(iy) * m_itemCount; }

    private:
        friend class StepGrid;
        Column(float *first, int itemCount) : m_first(first), m_itemCount(itemCount) {}
        float *m_first;
        int m_itemCount;
    };
    class Values
    {
    public:
        Column operator[](int ix) const
        {
            return Column(m_data + static_cast<std::ptrdiff_t>(ix) * m_rowCount * m_itemCount, m_itemCount);
        }

    private:
        friend class StepGrid;
        float *m_data = nullptr;
        int m_rowCount = 0;
        int m_itemCount = 0;
    };

    // Every count above zero and the whole step within this many values: the
    // largest step the program takes, 4 GiB of float32.
    static constexpr long long maxValueCount = 1LL << 30;

    StepGrid() = default;
    StepGrid(const StepGrid &) = delete;
    StepGrid &operator=(const StepGrid &) = delete;
    StepGrid(StepGrid &&other) noexcept;
    StepGrid &operator=(StepGrid &&other) noexcept;

    // Frees the previous block, then allocates a zeroed one for these sizes.
    // Throws std::bad_alloc when memory is short; the grid is then empty. The
    // cache holds the steps' files; grids of one file may share it.
    void setUp(int itemCount, int columnCount, int rowCount, std::shared_ptr<StepCache> cache = nullptr);
    void release();

    bool allocated() const { return m_allocated; }
    int itemCount() const { return m_itemCount; }
    int columnCount() const { return m_columnCount; }
    int rowCount() const { return m_rowCount; }
    const std::shared_ptr<StepCache> &cache() const { return m_cache; }

    Values values;

    float *data() { return m_data.get(); }
    const float *data() const { return m_data.get(); }
    std::size_t valueCount() const;

    std::string CacheFileName(int step) const;
    // Both return false and leave errorText() set when the file cannot be
    // written or read. A read that fails before the file's data is reached
    // leaves the values as they were.
    bool WriteStep(int step);
    bool ReadStep(int step);
    const std::string &errorText() const { return m_errorText; }

    // count values of the step from value index first, in the order of values.
    struct ValueRun
    {
        std::size_t first = 0;
        std::size_t count = 0;
    };
    // Reads only these runs of the step's cache file, one after another into
    // out, with the checks of ReadStep; false with the reason in error
    // otherwise. The grid's own values stay as they are.
    bool ReadValues(int step, const std::vector<ValueRun> &runs, float *out, std::string &error) const;

    // WriteStep in parts, so that a step's cache file is written while the step
    // is still being read: begin creates the file, writeStepUpTo adds the values
    // up to valueCount as soon as they are final, end writes the rest and
    // closes. begin and end return false as WriteStep does; a failed write
    // removes the file.
    bool beginWriteStep(int step);
    void writeStepUpTo(std::size_t valueCount);
    bool endWriteStep();

private:
    std::unique_ptr<float[]> m_data;
    int m_itemCount = 0;
    int m_columnCount = 0;
    int m_rowCount = 0;
    std::shared_ptr<StepCache> m_cache;
    bool m_allocated = false;
    std::string m_errorText;
    std::size_t m_valuesWritten = 0; // of the step being written
};
