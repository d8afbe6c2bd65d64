#pragma once

#include <string_view>

// The conversions of the seam file format, as the C library's atoi and atof
// read a field: leading white space skipped, conversion stops at the first
// character that does not fit, no number gives 0. Independent of the locale.
namespace NumberParsing {

bool isSpace(char c);

// atoi: optional sign and decimal digits; saturates instead of overflowing.
int leadingInt(std::string_view text);
// The same, telling whether the number written lies beyond int.
int leadingInt(std::string_view text, bool &beyondInt);

// atof as the seam format reads a number, correctly rounded: an optional sign,
// digits with an optional decimal point, an optional exponent introduced by
// E, e, D or d (1.5D+03 is 1500). "nan", "inf" and "infinity" are no numbers
// and read 0; of "0x1A" only the 0 is read.
double leadingDouble(std::string_view text);

// The first count comma-separated fields of a data line, each as atof reads it
// and rounded once more to float (missing fields 0, extra fields ignored), with
// a fast path for plain decimal fields: the hot loop of opening a file.
void fieldValues(std::string_view line, float *values, int count);

// fieldValues for a line that is followed in memory by its line end, CR or LF:
// the line end stops a number as the end of the text does, so no copy is made.
void fieldValuesBeforeLineEnd(std::string_view line, float *values, int count);

std::string_view trimmed(std::string_view text);

} // namespace NumberParsing
