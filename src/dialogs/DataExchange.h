#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the dialogs read their boxes back at OK and write values into them,
// independent of the locale.
namespace DataExchange {

// The %d reading: white space, an optional sign and at least one digit;
// whatever follows is ignored. Empty when the text does not begin so.
std::optional<int> readInteger(std::string_view text);

// The %lf reading stored as a 32-bit float: white space, an optional sign and
// a decimal (or 0x hexadecimal) number; whatever follows is ignored. Empty
// when no number begins the text, and for texts that read as not-a-number or
// an infinity, which no scale can use.
std::optional<float> readNumber(std::string_view text);

std::string writeInteger(int value);

// Six significant digits, as %g writes them ("0" for zero).
std::string writeNumber(float value);

} // namespace DataExchange
