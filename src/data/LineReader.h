#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string_view>
#include <vector>

// Reads a text stream line by line through two reusable buffers, so reading a
// line allocates nothing unless it is longer than every line before it.
// A line ends at LF; a CR right before the LF belongs to the line end.
//
// The buffers are filled by turns: what a call returns stays valid through the
// next call too, until the call after that begins. So one block of lines can be
// worked on elsewhere while the reader takes the next one from the stream.
class LineReader
{
public:
    explicit LineReader(std::istream &in, std::size_t chunkSize = 1 << 20);

    // The next line without its line end; false once the input is exhausted.
    bool next(std::string_view &line);

    // Up to maxLines whole, non-empty lines that stand together in the buffer,
    // line ends included, so a caller can read many at once. Returns how many;
    // 0 when the next line is empty, has no line end yet at the end of the
    // input, or nothing is left: next() then reads it one by one. lineEnds
    // receives where in the block each line's LF stands.
    std::size_t nextLines(std::size_t maxLines, std::string_view &block, std::vector<std::uint32_t> &lineEnds);

    // True when nothing is left to read. Counts as a call: it may take the next
    // text from the stream.
    bool atEnd();
    // How many bytes of the input the lines handed out so far take up.
    std::uint64_t consumed() const { return m_streamBytes - (m_end - m_begin); }

private:
    bool fill();
    char *current() { return m_buffers[m_current].data(); }

    std::istream &m_in;
    std::vector<char> m_buffers[2];
    int m_current = 0;
    // Whether a call has returned text from the current buffer since it was
    // filled: then the next fill goes to the other buffer.
    bool m_handedOut = false;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    std::uint64_t m_streamBytes = 0; // read from the stream so far
};
