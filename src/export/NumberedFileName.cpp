#include "export/NumberedFileName.h"

#include <cstdio>
#include <cstring>

namespace {

// The literal text with each "%%" made one "%"; false at any other "%".
bool unescape(const std::string &text, std::string &literal)
{
    literal.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 1 >= text.size() || text[i + 1] != '%')
                return false;
            ++i;
        }
        literal += text[i];
    }
    return true;
}

} // namespace

std::optional<NumberedFileName> NumberedFileName::fromPattern(const std::string &pattern)
{
    for (std::size_t at = pattern.find('%'); at != std::string::npos; at = pattern.find('%', at + 2)) {
        if (at + 1 < pattern.size() && pattern[at + 1] == '%')
            continue;
        std::size_t end = at + 1;
        while (end < pattern.size() && std::strchr("0-+ ", pattern[end]) && pattern[end] != '\0')
            ++end;
        const std::size_t widthStart = end;
        while (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9')
            ++end;
        if (end - widthStart > 3 || end >= pattern.size() || (pattern[end] != 'd' && pattern[end] != 'i'))
            return std::nullopt;
        NumberedFileName name;
        if (!unescape(pattern.substr(0, at), name.m_before) || !unescape(pattern.substr(end + 1), name.m_after))
            return std::nullopt;
        name.m_conversion = pattern.substr(at, end + 1 - at);
        return name;
    }
    return std::nullopt;
}

bool NumberedFileName::looksLikePattern(const std::string &name)
{
    std::string literal;
    return !unescape(name, literal);
}

std::string NumberedFileName::nameFor(int number) const
{
    // The conversion was checked to be one integer with a width of at most 999, so it fits.
    char digits[1024];
    std::snprintf(digits, sizeof digits, m_conversion.c_str(), number);
    return m_before + digits + m_after;
}
