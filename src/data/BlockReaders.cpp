#include "data/BlockReaders.h"

#include "data/NumberParsing.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

namespace {

// Below this a block is read as one part: handing it on costs more.
constexpr std::size_t partBytes = 256 * 1024;

// The machine's cores, up to four.
unsigned threadCount()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

} // namespace

BlockReaders::BlockReaders(float *values, int itemCount)
    : m_values(values), m_itemCount(itemCount)
{
    for (auto &lineEnds : m_lineEnds)
        lineEnds.reserve(maxLines);
    const unsigned count = threadCount();
    try {
        for (unsigned i = 0; i < count; ++i)
            m_threads.emplace_back(&BlockReaders::readParts, this);
    } catch (const std::system_error &) {
        // Fewer threads, or none: add() then reads the parts itself.
    }
}

BlockReaders::~BlockReaders()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_partsAdded.notify_all();
    for (auto &thread : m_threads)
        thread.join();
}

void BlockReaders::start(std::string_view block, std::size_t firstElement)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        waitForBlock(1 - m_latestBlock, lock);
    }
    m_latestBlock = 1 - m_latestBlock;
    m_latestInWork = true;
    m_latestFirst = firstElement;
    const std::vector<std::uint32_t> &lineEnds = m_lineEnds[m_latestBlock];
    const std::size_t lineCount = lineEnds.size();
    const std::size_t parts = std::min({std::max<std::size_t>(block.size() / partBytes, 1),
                                        std::max<std::size_t>(m_threads.size(), 1), lineCount});
    const auto itemCount = static_cast<std::size_t>(m_itemCount);
    std::size_t firstLine = 0;
    for (std::size_t part = 1; part <= parts; ++part) {
        const std::size_t endLine = lineCount * part / parts;
        const char *partText = block.data() + (firstLine == 0 ? 0 : lineEnds[firstLine - 1] + 1);
        add({block.data(), partText, lineEnds.data() + firstLine, endLine - firstLine,
             m_values + (firstElement + firstLine) * itemCount, m_latestBlock});
        firstLine = endLine;
    }
}

std::size_t BlockReaders::waitForOlder(std::size_t nextElement)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    waitForBlock(1 - m_latestBlock, lock);
    return m_latestInWork ? m_latestFirst : nextElement;
}

void BlockReaders::waitForAll()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    waitForBlock(1 - m_latestBlock, lock);
    waitForBlock(m_latestBlock, lock);
    m_latestInWork = false;
}

void BlockReaders::add(const Part &part)
{
    if (m_threads.empty()) {
        readPart(part);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_parts.push_back(part);
        ++m_partsInWork[part.blockSlot];
    }
    m_partsAdded.notify_one();
}

void BlockReaders::readPart(const Part &part) const
{
    const char *first = part.first;
    float *values = part.values;
    for (std::size_t line = 0; line < part.lineCount; ++line) {
        const char *lineEnd = part.block + part.lineEnds[line];
        std::size_t length = static_cast<std::size_t>(lineEnd - first);
        if (length > 0 && first[length - 1] == '\r')
            --length;
        NumberParsing::fieldValuesBeforeLineEnd(std::string_view(first, length), values, m_itemCount);
        values += m_itemCount;
        first = lineEnd + 1;
    }
}

void BlockReaders::waitForBlock(int block, std::unique_lock<std::mutex> &lock)
{
    m_partsDone.wait(lock, [&] { return m_partsInWork[block] == 0; });
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
}

void BlockReaders::readParts()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_partsAdded.wait(lock, [&] { return m_stopping || !m_parts.empty(); });
        if (m_parts.empty())
            return;
        const Part part = m_parts.front();
        m_parts.pop_front();
        lock.unlock();
        std::exception_ptr failure;
        try {
            readPart(part);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (failure && !m_failure)
            m_failure = failure;
        --m_partsInWork[part.blockSlot];
        m_partsDone.notify_all();
    }
}
