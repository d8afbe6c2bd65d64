#pragma once

#include <string>
#include <string_view>

class QIODevice;

// Text built line by line, every line ending in CR LF on every platform, as the
// output files are read on Windows too. Kept in memory, or drained into a device
// in large blocks so that a million short lines cost few writes.
class TextLines
{
public:
    TextLines() = default;
    explicit TextLines(QIODevice &sink) : m_sink(&sink) {}
    TextLines(const TextLines &) = delete;
    TextLines &operator=(const TextLines &) = delete;

    // Pieces of the current line, in the formats of NumberFormat.
    TextLines &text(std::string_view text);
    TextLines &general(double value, int precision = 6, int width = 0);
    TextLines &fixed(double value, int precision = 6, int width = 0);
    TextLines &integer(long long value, int width = 0);
    // The shortest decimal that reads back as the same number, for files other
    // programs read exactly: 0.1f is "0.1", 1e10f "1e+10".
    TextLines &exact(float value);
    TextLines &exact(double value);
    void endLine();
    // A whole line: text(line), then endLine().
    void line(std::string_view line);

    // Everything so far into the sink. False once any write to it has failed;
    // the text after a failed write is dropped.
    bool flush();
    bool failed() const { return m_failed; }

    // The text not yet drained (all of it without a sink).
    const std::string &pending() const { return m_text; }

private:
    static constexpr std::size_t drainSize = 1 << 20;

    std::string m_text;
    QIODevice *m_sink = nullptr;
    bool m_failed = false;
};
