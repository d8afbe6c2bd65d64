#include "data/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// "%f" of the largest double has 309 digits before the point.
constexpr int bufferSize = 512;

// to_chars writes at least two exponent digits, as C99 printf does; the files
// want three.
char *widenExponent(char *first, char *last)
{
    char *e = std::find(first, last, 'e');
    if (e == last)
        return last;
    char *digits = e + 2; // past the sign
    const auto count = last - digits;
    if (count >= 3)
        return last;
    const auto missing = 3 - count;
    std::memmove(digits + missing, digits, static_cast<std::size_t>(count));
    std::fill(digits, digits + missing, '0');
    return last + missing;
}

void appendPadded(std::string &out, const char *first, const char *last, int width)
{
    const auto length = last - first;
    if (width > length)
        out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(first, last);
}

} // namespace

namespace NumberFormat {

void appendGeneral(std::string &out, double value, int precision, int width)
{
    char text[bufferSize];
    // "%.0g" means one significant digit.
    const auto result = std::to_chars(text, text + bufferSize - 2, value, std::chars_format::general,
                                      std::max(precision, 1));
    appendPadded(out, text, widenExponent(text, result.ptr), width);
}

void appendFixed(std::string &out, double value, int precision, int width)
{
    char text[bufferSize];
    const auto result = std::to_chars(text, text + bufferSize, value, std::chars_format::fixed, precision);
    appendPadded(out, text, result.ptr, width);
}

void appendInteger(std::string &out, long long value, int width)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    appendPadded(out, text, result.ptr, width);
}

std::string general(double value, int precision, int width)
{
    std::string text;
    appendGeneral(text, value, precision, width);
    return text;
}

std::string fixed(double value, int precision, int width)
{
    std::string text;
    appendFixed(text, value, precision, width);
    return text;
}

std::string integer(long long value, int width)
{
    std::string text;
    appendInteger(text, value, width);
    return text;
}

} // namespace NumberFormat
