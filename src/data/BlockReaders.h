#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

// Reads blocks of data lines into a step's values on helper threads while the
// step reader takes the next block from the file; waiting for a block, the
// step reader's own thread reads parts too. A block is cut at line ends into
// parts of about equal size.
//
// The line reader keeps a block intact through one more call only, so before
// each call the step reader waits for all but the latest block.
class BlockReaders
{
public:
    // threads: the calling thread and its helpers; by default the machine's
    // cores, up to four.
    BlockReaders(float *values, int itemCount, unsigned threads = machineThreads());
    ~BlockReaders();
    BlockReaders(const BlockReaders &) = delete;
    BlockReaders &operator=(const BlockReaders &) = delete;

    static unsigned machineThreads();

    // The most lines a block may have.
    static constexpr std::size_t maxLines = 1 << 15;

    // Where the line reader puts the line ends of the next block.
    std::vector<std::uint32_t> &nextLineEnds() { return m_lineEnds[1 - m_latestBlock]; }

    // Starts reading the block's whole, non-empty lines, whose line ends are in
    // nextLineEnds(), into the elements from firstElement on.
    void start(std::string_view block, std::size_t firstElement);

    // Waits for all but the latest block. Returns how many leading elements
    // are read: those before the latest block, or before nextElement when no
    // block is in work.
    std::size_t waitForOlder(std::size_t nextElement);
    void waitForAll();

private:
    struct Part
    {
        const char *block;             // the line ends are offsets from here
        const char *first;             // the part's first line
        const std::uint32_t *lineEnds; // of the part's lines
        std::size_t lineCount;
        float *values;
        int blockSlot; // 0 or 1, by turns
    };

    void startHelpers();
    void waitForBlock(int block, std::unique_lock<std::mutex> &lock);
    void readNextPart(std::unique_lock<std::mutex> &lock);
    void readPart(const Part &part) const;
    void helpWithParts();

    float *const m_values;
    const int m_itemCount;
    const unsigned m_threads;
    bool m_helpersStarted = false;
    std::size_t m_blocksStarted = 0;
    int m_latestBlock = 1;
    bool m_latestInWork = false;
    std::size_t m_latestFirst = 0;
    std::vector<std::uint32_t> m_lineEnds[2];

    std::mutex m_mutex;
    std::condition_variable m_partsAdded;
    std::condition_variable m_partsDone;
    std::deque<Part> m_parts;
    std::size_t m_partsInWork[2] = {0, 0};
    std::exception_ptr m_failure;
    bool m_stopping = false;
    std::vector<std::thread> m_helpers;
};
