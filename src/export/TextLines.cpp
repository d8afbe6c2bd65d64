#include "export/TextLines.h"

#include "data/NumberFormat.h"

#include <QIODevice>

#include <charconv>

TextLines &TextLines::text(std::string_view text)
{
    m_text.append(text);
    return *this;
}

TextLines &TextLines::general(double value, int precision, int width)
{
    NumberFormat::appendGeneral(m_text, value, precision, width);
    return *this;
}

TextLines &TextLines::fixed(double value, int precision, int width)
{
    NumberFormat::appendFixed(m_text, value, precision, width);
    return *this;
}

TextLines &TextLines::integer(long long value, int width)
{
    NumberFormat::appendInteger(m_text, value, width);
    return *this;
}

template<typename Number> static void appendExact(std::string &out, Number value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

TextLines &TextLines::exact(float value)
{
    appendExact(m_text, value);
    return *this;
}

TextLines &TextLines::exact(double value)
{
    appendExact(m_text, value);
    return *this;
}

void TextLines::endLine()
{
    m_text.append("\r\n");
    if (m_sink && m_text.size() >= drainSize)
        flush();
}

void TextLines::line(std::string_view line)
{
    text(line);
    endLine();
}

bool TextLines::flush()
{
    if (!m_sink)
        return !m_failed;
    if (!m_failed && !m_text.empty()) {
        const auto size = static_cast<qint64>(m_text.size());
        m_failed = m_sink->write(m_text.data(), size) != size;
    }
    m_text.clear();
    return !m_failed;
}
