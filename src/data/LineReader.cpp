#include "data/LineReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

LineReader::LineReader(std::istream &in, std::size_t chunkSize)
    : m_in(in)
{
    m_buffers[0].resize(std::max<std::size_t>(chunkSize, 16));
}

bool LineReader::fill()
{
    if (m_eof)
        return false;
    const std::size_t rest = m_end - m_begin;
    std::vector<char> &from = m_buffers[m_current];
    std::vector<char> *to = &from;
    if (m_handedOut) {
        // Text handed out from this buffer stays where it is.
        to = &m_buffers[1 - m_current];
        to->resize(std::max(to->size(), from.size()));
        std::memcpy(to->data(), from.data() + m_begin, rest);
        m_current = 1 - m_current;
        m_handedOut = false;
    } else if (m_begin > 0) {
        std::memmove(from.data(), from.data() + m_begin, rest);
    }
    m_begin = 0;
    m_end = rest;
    if (m_end == to->size())
        to->resize(to->size() * 2); // a line longer than the buffer
    // What the stream has now, which from a pipe may be less than asked: only nothing is its end.
    const std::streamsize read = m_in.rdbuf()->sgetn(to->data() + m_end, static_cast<std::streamsize>(to->size() - m_end));
    const auto got = static_cast<std::size_t>(std::max<std::streamsize>(read, 0));
    m_end += got;
    m_streamBytes += got;
    if (got == 0)
        m_eof = true;
    return got > 0;
}

bool LineReader::next(std::string_view &line)
{
    std::size_t searchFrom = m_begin;
    for (;;) {
        const char *start = current() + searchFrom;
        const auto *lf = static_cast<const char *>(std::memchr(start, '\n', m_end - searchFrom));
        if (lf) {
            const char *first = current() + m_begin;
            std::size_t length = static_cast<std::size_t>(lf - first);
            m_begin += length + 1;
            if (length > 0 && first[length - 1] == '\r')
                --length;
            line = std::string_view(first, length);
            m_handedOut = true;
            return true;
        }
        const std::size_t scanned = m_end - m_begin;
        if (!fill()) {
            if (m_begin == m_end)
                return false;
            // The last line of a file without a final line end.
            const char *first = current() + m_begin;
            std::size_t length = m_end - m_begin;
            m_begin = m_end;
            if (first[length - 1] == '\r')
                --length;
            line = std::string_view(first, length);
            m_handedOut = true;
            return true;
        }
        searchFrom = m_begin + scanned;
    }
}

std::size_t LineReader::nextLines(std::size_t maxLines, std::string_view &block, std::vector<std::uint32_t> &lineEnds)
{
    lineEnds.clear();
    for (;;) {
        const char *base = current();
        std::size_t end = m_begin;
        bool stop = false;
        while (lineEnds.size() < maxLines) {
            const auto *lf = static_cast<const char *>(std::memchr(base + end, '\n', m_end - end));
            if (!lf)
                break;
            const auto length = static_cast<std::size_t>(lf - (base + end));
            const std::size_t offset = end + length - m_begin;
            // An empty line ends the block, and so does a line end too far in
            // for its offset: next() takes such a line.
            if (length == 0 || (length == 1 && base[end] == '\r') || offset > UINT32_MAX) {
                stop = true;
                break;
            }
            lineEnds.push_back(static_cast<std::uint32_t>(offset));
            end += length + 1;
        }
        if (!lineEnds.empty() || stop) {
            block = std::string_view(base + m_begin, end - m_begin);
            m_begin = end;
            m_handedOut = m_handedOut || !lineEnds.empty();
            return lineEnds.size();
        }
        if (!fill()) {
            block = {};
            return 0;
        }
    }
}

bool LineReader::atEnd()
{
    return m_begin == m_end && !fill();
}
