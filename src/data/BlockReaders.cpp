#include "data/BlockReaders.h"

#include "data/NumberParsing.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

// Below this a part is not cut further: handing it on costs more.
constexpr std::size_t partBytes = 256 * 1024;

// Parts per block and thread, so that the threads finish a block together.
constexpr std::size_t partsPerThread = 2;

} // namespace

unsigned BlockReaders::machineThreads()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

BlockReaders::BlockReaders(float *values, int itemCount, unsigned threads)
    : m_values(values), m_itemCount(itemCount), m_threads(std::max(threads, 1u))
{
    for (auto &lineEnds : m_lineEnds)
        lineEnds.reserve(maxLines);
}

BlockReaders::~BlockReaders()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_partsAdded.notify_all();
    for (auto &helper : m_helpers)
        helper.join();
}

void BlockReaders::start(std::string_view block, std::size_t firstElement)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    waitForBlock(1 - m_latestBlock, lock);
    m_latestBlock = 1 - m_latestBlock;
    m_latestInWork = true;
    m_latestFirst = firstElement;
    const std::vector<std::uint32_t> &lineEnds = m_lineEnds[m_latestBlock];
    const std::size_t lineCount = lineEnds.size();
    const std::size_t parts = std::min({std::max<std::size_t>(block.size() / partBytes, 1),
                                        std::size_t(m_threads) * partsPerThread, lineCount});
    // Helpers start with the first block worth cutting, or the second block: a
    // step of one small block, as files of many small steps have, needs none.
    if (!m_helpersStarted && (parts > 1 || m_blocksStarted > 0))
        startHelpers();
    ++m_blocksStarted;
    const auto itemCount = static_cast<std::size_t>(m_itemCount);
    std::size_t firstLine = 0;
    for (std::size_t part = 1; part <= parts; ++part) {
        const std::size_t endLine = lineCount * part / parts;
        const char *partText = block.data() + (firstLine == 0 ? 0 : lineEnds[firstLine - 1] + 1);
        m_parts.push_back({block.data(), partText, lineEnds.data() + firstLine, endLine - firstLine,
                           m_values + (firstElement + firstLine) * itemCount, m_latestBlock});
        firstLine = endLine;
    }
    m_partsInWork[m_latestBlock] += parts;
    lock.unlock();
    m_partsAdded.notify_all();
}

void BlockReaders::startHelpers()
{
    m_helpersStarted = true;
    try {
        for (unsigned i = 1; i < m_threads; ++i)
            m_helpers.emplace_back(&BlockReaders::helpWithParts, this);
    } catch (const std::system_error &) {
        // Fewer helpers, or none: the calling thread reads the parts itself.
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

void BlockReaders::waitForBlock(int block, std::unique_lock<std::mutex> &lock)
{
    // Waiting, the calling thread reads parts itself, the oldest first.
    while (m_partsInWork[block] > 0) {
        if (m_parts.empty())
            m_partsDone.wait(lock);
        else
            readNextPart(lock);
    }
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
}

void BlockReaders::readNextPart(std::unique_lock<std::mutex> &lock)
{
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
    if (--m_partsInWork[part.blockSlot] == 0)
        m_partsDone.notify_all();
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

void BlockReaders::helpWithParts()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_partsAdded.wait(lock, [&] { return m_stopping || !m_parts.empty(); });
        if (m_parts.empty())
            return;
        readNextPart(lock);
    }
}
