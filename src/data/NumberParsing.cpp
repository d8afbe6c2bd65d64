#include "data/NumberParsing.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
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

// The format's number: digits with an optional decimal point (at least one
// digit), then an optional exponent. False when none begins at first: no
// infinity, no NaN, and of 0x1A only the 0 is a number.
bool decimalValue(const char *first, const char *last, double &value)
{
    const bool startsNumber = first < last
                              && (isDigit(*first) || (*first == '.' && last - first > 1 && isDigit(first[1])));
    if (!startsNumber)
        return false;
    auto result = std::from_chars(first, last, value, std::chars_format::general);
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

constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int maxExactPower = 22;
constexpr std::uint64_t maxExactMantissa = 1ULL << 53;

unsigned digitValue(char c)
{
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0'; // above 9 for a non-digit
}

// The number analysis programs write, [blanks][sign]digits[.digits][exponent],
// read where Clinger's fast path gives it exactly: a mantissa of at most 2^53
// and a power of ten of at most 10^22 are both exact doubles, so one
// multiplication or division rounds correctly, as strtod does. The text ends
// in a byte no number goes on with (a zero byte, or the line end in the
// buffer), so no scan needs a bound. Returns where the number ends, or
// nullptr for anything else (no digits, more digits, a far exponent, other
// white space), which the full reading takes.
const char *plainDecimal(const char *p, double &value)
{
    while (*p == ' ')
        ++p;
    const bool negative = *p == '-';
    p += negative || *p == '+';
    const char *digitsStart = p;
    std::uint64_t mantissa = 0;
    for (unsigned digit; (digit = digitValue(*p)) < 10; ++p)
        mantissa = mantissa * 10 + digit;
    std::ptrdiff_t digits = p - digitsStart;
    int exponent = 0;
    if (*p == '.') {
        const char *fractionStart = ++p;
        for (unsigned digit; (digit = digitValue(*p)) < 10; ++p)
            mantissa = mantissa * 10 + digit;
        exponent = -static_cast<int>(p - fractionStart);
        digits -= exponent;
    }
    // Up to 19 digits cannot overflow 64 bits.
    if (digits == 0 || digits > 19 || mantissa > maxExactMantissa)
        return nullptr;
    if ((*p | 0x20) == 'e' || (*p | 0x20) == 'd') {
        const char *q = p + 1;
        const bool negativeExponent = *q == '-';
        q += negativeExponent || *q == '+';
        const char *exponentStart = q;
        int written = 0;
        for (unsigned digit; (digit = digitValue(*q)) < 10 && q - exponentStart < 5; ++q)
            written = written * 10 + static_cast<int>(digit);
        if (q != exponentStart) {
            exponent += negativeExponent ? -written : written;
            p = q;
        }
    }
    double result = static_cast<double>(mantissa);
    if (mantissa != 0) {
        if (exponent < -maxExactPower || exponent > maxExactPower)
            return nullptr;
        result = exponent < 0 ? result / exactPowersOfTen[-exponent] : result * exactPowersOfTen[exponent];
    }
    value = negative ? -result : result;
    return p;
}

} // namespace

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

namespace {

// Where atoi and atof begin reading: after the leading white space and one sign.
const char *skipBlanksAndSign(const char *p, const char *end, bool &negative)
{
    while (p < end && isSpace(*p))
        ++p;
    negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    return p;
}

} // namespace

int leadingInt(std::string_view text)
{
    bool beyondInt = false;
    return leadingInt(text, beyondInt);
}

int leadingInt(std::string_view text, bool &beyondInt)
{
    const char *end = text.data() + text.size();
    bool negative = false;
    const char *p = skipBlanksAndSign(text.data(), end, negative);
    // A magnitude beyond both ends of int stands for every larger one.
    constexpr long long beyond = static_cast<long long>(INT_MAX) + 2;
    long long value = 0;
    for (; p < end && isDigit(*p); ++p)
        value = std::min(value * 10 + (*p - '0'), beyond);
    if (negative)
        value = -value;
    beyondInt = value > INT_MAX || value < INT_MIN;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

double leadingDouble(std::string_view text)
{
    const char *end = text.data() + text.size();
    bool negative = false;
    const char *p = skipBlanksAndSign(text.data(), end, negative);
    double value = 0.0;
    if (!decimalValue(p, end, value))
        return 0.0; // nothing converted: no sign either
    return negative ? -value : value;
}

namespace {

// The fields of a line followed in memory by a byte no number goes on with.
void readFields(const char *p, const char *end, float *values, int count)
{
    int k = 0;
    while (k < count) {
        double value = 0.0;
        // A plain number that ends the field needs no search for its comma.
        const char *numberEnd = plainDecimal(p, value);
        const char *comma = nullptr;
        if (numberEnd && (numberEnd == end || *numberEnd == ',')) {
            comma = numberEnd == end ? nullptr : numberEnd;
        } else {
            comma = static_cast<const char *>(std::memchr(p, ',', static_cast<std::size_t>(end - p)));
            const char *fieldEnd = comma ? comma : end;
            value = leadingDouble(std::string_view(p, static_cast<std::size_t>(fieldEnd - p)));
        }
        values[k++] = static_cast<float>(value);
        if (!comma)
            break;
        p = comma + 1;
    }
    for (; k < count; ++k)
        values[k] = 0;
}

} // namespace

void fieldValues(std::string_view line, float *values, int count)
{
    // The fast reading runs on a copy ending in a zero byte.
    char shortCopy[1024];
    std::string longCopy;
    char *copy = shortCopy;
    if (line.size() < sizeof shortCopy) {
        std::memcpy(shortCopy, line.data(), line.size());
        shortCopy[line.size()] = '\0';
    } else {
        longCopy.assign(line);
        copy = longCopy.data();
    }
    readFields(copy, copy + line.size(), values, count);
}

void fieldValuesBeforeLineEnd(std::string_view line, float *values, int count)
{
    readFields(line.data(), line.data() + line.size(), values, count);
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

} // namespace NumberParsing
