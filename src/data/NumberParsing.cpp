#include "data/NumberParsing.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
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
    if (p < last && (*p == 'e' || *p == 'E')) {
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

// A Fortran exponent (1.5D+03) ends the number from_chars reads: when a D or d
// with exponent digits follows, the number is read again with the D spelt as e.
// That comes before any range check, as the exponent can bring the number back
// into range.
const char *fortranExponentEnd(const char *numberEnd, const char *last)
{
    if (numberEnd == last || (*numberEnd != 'd' && *numberEnd != 'D'))
        return nullptr;
    const char *p = numberEnd + 1;
    if (p < last && (*p == '+' || *p == '-'))
        ++p;
    if (p == last || !isDigit(*p))
        return nullptr;
    while (p < last && isDigit(*p))
        ++p;
    return p;
}

// Hexadecimal numbers are rare in seam files, and GCC 12's from_chars misreads
// some of them (subnormals, "p+-3"): strtod reads them, with the point spelt as
// the locale spells it, so the result does not depend on the locale.
double hexValue(const char *first, const char *last)
{
    std::string copy(first, last);
    std::replace(copy.begin(), copy.end(), '.', *std::localeconv()->decimal_point);
    return std::strtod(copy.c_str(), nullptr);
}

// False when no number begins at first (strtod then converts nothing).
bool decimalValue(const char *first, const char *last, double &value)
{
    if (first < last && *first == '-')
        return false; // a second sign: from_chars would take it, strtod does not
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return false;
    if ((*first == 'n' || *first == 'N') && result.ptr - first > 3) {
        // nan(chars): strtod keeps the chars as the NaN's payload, from_chars drops them.
        value = std::strtod(std::string(first, result.ptr).c_str(), nullptr);
        return true;
    }
    if (const char *exponentEnd = fortranExponentEnd(result.ptr, last)) {
        const std::size_t length = static_cast<std::size_t>(exponentEnd - first);
        char small[64];
        std::string large;
        char *copy = small;
        if (length > sizeof small) {
            large.assign(first, length);
            copy = large.data();
        } else {
            std::memcpy(small, first, length);
        }
        copy[result.ptr - first] = 'e';
        result = std::from_chars(copy, copy + length, value, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range)
            value = outOfRangeValue(copy, result.ptr);
        return true;
    }
    if (result.ec == std::errc::result_out_of_range)
        value = outOfRangeValue(first, result.ptr);
    return true;
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
        value = hexValue(p, end);
    } else if (!decimalValue(p, end, value)) {
        return 0.0; // nothing converted: no sign either
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
