#pragma once

#include <cstddef>
#include <istream>
#include <string_view>
#include <vector>

// Reads a text stream line by line through one reusable buffer, so reading a
// line allocates nothing unless it is longer than every line before it.
// A line ends at LF; a CR right before the LF belongs to the line end.
class LineReader
{
public:
    explicit LineReader(std::istream &in, std::size_t chunkSize = 1 << 20);

    // The next line without its line end; false once the input is exhausted.
    // The view stays valid until the next call.
    bool next(std::string_view &line);

    // Up to maxLines whole, non-empty lines that stand together in the buffer,
    // line ends included, so a caller can read many at once. Returns how many;
    // 0 when the next line is empty, has no line end yet at the end of the
    // input, or nothing is left: next() then reads it one by one.
    std::size_t nextLines(std::size_t maxLines, std::string_view &block);

    // Bytes taken from the stream so far.
    std::size_t bytesRead() const { return m_bytesRead; }

private:
    bool fill();

    std::istream &m_in;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::size_t m_bytesRead = 0;
    bool m_eof = false;
};
