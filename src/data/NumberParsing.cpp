#include "data/NumberParsing.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace NumberParsing {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars reports a result beyond double's range without a value. The range
// ends (1e308, 5e-324) are so far apart that the decimal magnitude of the
// text decides the side: beyond the top is an infinity, below the bottom zero.
double outOfRangeValue(const char *first, const char *last)
{
    long magnitude = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    const char *p = first;
    for (; p < last; ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (isDigit(*p)) {
            if (!seenNonZero && *p != '0')
                seenNonZero = true;
            if (!afterPoint && seenNonZero)
                ++magnitude;
            else if (afterPoint && !seenNonZero)
                --magnitude;
        } else {
            break;
        }
    }
    if (p < last && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
        ++p;
        const bool negative = p < last && *p == '-';
        if (p < last && (*p == '-' || *p == '+'))
            ++p;
        long exponent = 0;
        for (; p < last && isDigit(*p); ++p)
            exponent = exponent < 100000000 ? exponent * 10 + (*p - '0') : exponent;
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double decimalValue(const char *first, const char *last)
{
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range)
        return outOfRangeValue(first, result.ptr);
    const char *p = result.ptr;
    if (p < last && (*p == 'd' || *p == 'D')) {
        // A Fortran exponent: read the number again with the D spelt as e.
        const char *digits = p + 1;
        if (digits < last && (*digits == '+' || *digits == '-'))
            ++digits;
        if (digits < last && isDigit(*digits)) {
            const char *tokenEnd = digits;
            while (tokenEnd < last && isDigit(*tokenEnd))
                ++tokenEnd;
            const std::size_t length = static_cast<std::size_t>(tokenEnd - first);
            char small[64];
            std::string large;
            char *copy = small;
            if (length > sizeof small) {
                large.assign(first, length);
                copy = large.data();
            } else {
                std::memcpy(small, first, length);
            }
            copy[p - first] = 'e';
            const auto again = std::from_chars(copy, copy + length, value, std::chars_format::general);
            if (again.ec == std::errc::result_out_of_range)
                return outOfRangeValue(copy, copy + length);
        }
    }
    return value;
}

} // namespace

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int leadingInt(std::string_view text)
{
    const char *p = text.data();
    const char *end = p + text.size();
    while (p < end && isSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    long long value = 0;
    for (; p < end && isDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

double leadingDouble(std::string_view text)
{
    const char *p = text.data();
    const char *end = p + text.size();
    while (p < end && isSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    double value = 0.0;
    if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        const auto result = std::from_chars(p + 2, end, value, std::chars_format::hex);
        if (result.ec == std::errc::invalid_argument)
            value = 0.0; // "0x" alone reads as the 0 before the x
        else if (result.ec == std::errc::result_out_of_range)
            value = std::string_view(p, static_cast<std::size_t>(result.ptr - p)).find_first_of("-") == std::string_view::npos
                        ? std::numeric_limits<double>::infinity()
                        : 0.0; // only a negative binary exponent can underflow
    } else {
        value = decimalValue(p, end);
    }
    return negative ? -value : value;
}

std::string_view trimmed(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isSpace(text[first]))
        ++first;
    while (last > first && isSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string_view field(std::string_view line, int n)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            return {};
        start = comma + 1;
    }
    const std::size_t comma = line.find(',', start);
    return line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
}

} // namespace NumberParsing
