#include "data/StepGrid.h"

#include "data/StepCache.h"

#include <cstring>
#include <utility>

namespace {

// The cache files are little-endian float32; on a big-endian machine the block
// is swapped around the write and the read.
constexpr bool hostIsLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

void swapBytes(float *values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char bytes[4];
        std::memcpy(bytes, &values[i], 4);
        std::swap(bytes[0], bytes[3]);
        std::swap(bytes[1], bytes[2]);
        std::memcpy(&values[i], bytes, 4);
    }
}

const char *const noCache = "The step cache of the open file is gone.";

} // namespace

StepGrid::StepGrid(StepGrid &&other) noexcept
{
    *this = std::move(other);
}

StepGrid &StepGrid::operator=(StepGrid &&other) noexcept
{
    if (this == &other)
        return *this;
    m_data = std::move(other.m_data);
    values = other.values;
    m_itemCount = other.m_itemCount;
    m_columnCount = other.m_columnCount;
    m_rowCount = other.m_rowCount;
    m_cache = std::move(other.m_cache);
    m_allocated = other.m_allocated;
    m_errorText = std::move(other.m_errorText);
    m_valuesWritten = other.m_valuesWritten;
    other.release();
    return *this;
}

void StepGrid::setUp(int itemCount, int columnCount, int rowCount, std::shared_ptr<StepCache> cache)
{
    release();
    const std::size_t count = static_cast<std::size_t>(itemCount) * static_cast<std::size_t>(columnCount)
                              * static_cast<std::size_t>(rowCount);
    m_data.reset(new float[count]());
    m_itemCount = itemCount;
    m_columnCount = columnCount;
    m_rowCount = rowCount;
    m_cache = std::move(cache);
    values.m_data = m_data.get();
    values.m_rowCount = rowCount;
    values.m_itemCount = itemCount;
    m_allocated = true;
}

void StepGrid::release()
{
    m_data.reset();
    values = Values();
    m_itemCount = m_columnCount = m_rowCount = 0;
    m_cache.reset();
    m_allocated = false;
}

std::size_t StepGrid::valueCount() const
{
    return static_cast<std::size_t>(m_itemCount) * static_cast<std::size_t>(m_columnCount)
           * static_cast<std::size_t>(m_rowCount);
}

std::string StepGrid::CacheFileName(int step) const
{
    return m_cache ? m_cache->fileName(step) : std::string();
}

bool StepGrid::WriteStep(int step)
{
    return beginWriteStep(step) && endWriteStep();
}

bool StepGrid::beginWriteStep(int step)
{
    m_valuesWritten = 0;
    if (!m_cache) {
        m_errorText = noCache;
        return false;
    }
    return m_cache->beginStep(step, m_errorText);
}

void StepGrid::writeStepUpTo(std::size_t valueCount)
{
    if (!m_cache || valueCount <= m_valuesWritten)
        return;
    float *first = m_data.get() + m_valuesWritten;
    const std::size_t count = valueCount - m_valuesWritten;
    if (!hostIsLittleEndian)
        swapBytes(first, count);
    m_cache->append(first, count * sizeof(float));
    if (!hostIsLittleEndian)
        swapBytes(first, count);
    m_valuesWritten = valueCount;
}

bool StepGrid::endWriteStep()
{
    writeStepUpTo(valueCount());
    return m_cache && m_cache->endStep(m_errorText);
}

bool StepGrid::ReadStep(int step)
{
    return ReadValues(step, {ValueRun{0, valueCount()}}, m_data.get(), m_errorText);
}

bool StepGrid::ReadValues(int step, const std::vector<ValueRun> &runs, float *out, std::string &error) const
{
    if (!m_cache) {
        error = noCache;
        return false;
    }
    std::vector<StepCache::ByteRun> byteRuns;
    byteRuns.reserve(runs.size());
    std::size_t outCount = 0;
    for (const ValueRun &run : runs) {
        const std::uint64_t offset = static_cast<std::uint64_t>(run.first) * sizeof(float);
        byteRuns.push_back({offset, run.count * sizeof(float), out + outCount});
        outCount += run.count;
    }
    if (!m_cache->read(step, valueCount() * sizeof(float), byteRuns, error))
        return false;
    if (!hostIsLittleEndian)
        swapBytes(out, outCount);
    return true;
}
