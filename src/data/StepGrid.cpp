#include "data/StepGrid.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

std::string systemReason()
{
    return std::strerror(errno);
}

} // namespace

void StepGrid::setUp(int itemCount, int columnCount, int rowCount, std::string cacheDirectory)
{
    release();
    const std::size_t count = static_cast<std::size_t>(itemCount) * static_cast<std::size_t>(columnCount)
                              * static_cast<std::size_t>(rowCount);
    m_data.reset(new float[count]());
    m_itemCount = itemCount;
    m_columnCount = columnCount;
    m_rowCount = rowCount;
    m_cacheDirectory = std::move(cacheDirectory);
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
    m_allocated = false;
}

std::size_t StepGrid::valueCount() const
{
    return static_cast<std::size_t>(m_itemCount) * static_cast<std::size_t>(m_columnCount)
           * static_cast<std::size_t>(m_rowCount);
}

std::string StepGrid::CacheFileName(int step) const
{
    return m_cacheDirectory + "SemTmp" + std::to_string(step) + ".bin";
}

bool StepGrid::WriteStep(int step)
{
    return beginWriteStep(step) && endWriteStep();
}

bool StepGrid::beginWriteStep(int step)
{
    m_write = CacheFileWrite();
    m_write.name = CacheFileName(step);
    m_write.file.reset(std::fopen(m_write.name.c_str(), "wb"));
    if (!m_write.file) {
        m_errorText = "Cannot create the step cache file " + m_write.name + " (" + systemReason() + ").";
        return false;
    }
    return true;
}

void StepGrid::writeStepUpTo(std::size_t valueCount)
{
    if (!m_write.file || m_write.error != 0 || valueCount <= m_write.written)
        return;
    float *first = m_data.get() + m_write.written;
    const std::size_t count = valueCount - m_write.written;
    if (!hostIsLittleEndian)
        swapBytes(first, count);
    errno = 0;
    if (std::fwrite(first, sizeof(float), count, m_write.file.get()) != count)
        m_write.error = errno != 0 ? errno : EIO;
    if (!hostIsLittleEndian)
        swapBytes(first, count);
    m_write.written = valueCount;
}

bool StepGrid::endWriteStep()
{
    writeStepUpTo(valueCount());
    errno = 0;
    const bool closed = m_write.file && std::fclose(m_write.file.release()) == 0;
    const int closeError = errno != 0 ? errno : EIO;
    if (m_write.error != 0 || !closed) {
        errno = m_write.error != 0 ? m_write.error : closeError;
        m_errorText = "Cannot write the step cache file " + m_write.name + " (" + systemReason() + ").";
        std::remove(m_write.name.c_str());
        return false;
    }
    return true;
}

bool StepGrid::ReadStep(int step)
{
    const std::string name = CacheFileName(step);
    std::FILE *file = std::fopen(name.c_str(), "rb");
    if (!file) {
        m_errorText = "Cannot read the step cache file " + name + " (" + systemReason() + ").";
        return false;
    }
    const std::size_t count = valueCount();
    // Check the size first, so a file cut short by another program leaves the grid untouched.
    std::error_code error;
    const auto size = std::filesystem::file_size(name, error);
    const bool ok = !error && size == count * sizeof(float)
                    && std::fread(m_data.get(), sizeof(float), count, file) == count;
    std::fclose(file);
    if (!ok) {
        m_errorText = "The step cache file " + name + " does not hold step " + std::to_string(step)
                      + " of the open file.";
        return false;
    }
    if (!hostIsLittleEndian)
        swapBytes(m_data.get(), count);
    return true;
}
