#include "dialogs/DataExchange.h"

#include "data/Float32.h"
#include "data/NumberFormat.h"
#include "data/NumberParsing.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace DataExchange {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Past the leading white space and an optional sign.
std::size_t numberStart(std::string_view text)
{
    std::size_t p = 0;
    while (p < text.size() && NumberParsing::isSpace(text[p]))
        ++p;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        ++p;
    return p;
}

bool beginsWithDecimal(std::string_view rest)
{
    if (!rest.empty() && isDigit(rest[0]))
        return true;
    return rest.size() >= 2 && rest[0] == '.' && isDigit(rest[1]);
}

// %lf reads hexadecimal numbers too. GCC 12's from_chars misreads some of them
// (subnormals, "p+-3"): strtod reads them, with the point spelt as the locale
// spells it, so the result does not depend on the locale.
double hexadecimalValue(std::string_view text)
{
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), '.', *std::localeconv()->decimal_point);
    return std::strtod(copy.c_str(), nullptr);
}

bool beginsWithHex(std::string_view rest)
{
    if (rest.size() < 3 || rest[0] != '0' || (rest[1] != 'x' && rest[1] != 'X'))
        return false;
    return isHexDigit(rest[2]) || (rest.size() >= 4 && rest[2] == '.' && isHexDigit(rest[3]));
}

} // namespace

std::optional<int> readInteger(std::string_view text)
{
    const std::size_t start = numberStart(text);
    if (start >= text.size() || !isDigit(text[start]))
        return std::nullopt;
    return NumberParsing::leadingInt(text);
}

std::optional<float> readNumber(std::string_view text)
{
    const std::string_view rest = text.substr(numberStart(text));
    const bool hex = beginsWithHex(rest);
    if (!hex && !beginsWithDecimal(rest))
        return std::nullopt;
    double read = 0.0;
    if (hex) {
        read = hexadecimalValue(text);
    } else {
        // Only the number itself: a Fortran D exponent is no part of a %lf reading.
        double ignored = 0.0;
        const auto scan = std::from_chars(rest.data(), rest.data() + rest.size(), ignored, std::chars_format::general);
        read = NumberParsing::leadingDouble(text.substr(0, static_cast<std::size_t>(scan.ptr - text.data())));
    }
    const float value = roundedToFloat(read);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string writeInteger(int value)
{
    return std::to_string(value);
}

std::string writeNumber(float value)
{
    return NumberFormat::general(value, 6);
}

} // namespace DataExchange
