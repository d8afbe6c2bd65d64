#pragma once

#include <string>

// The printf-style number formats of the output files, labels and tooltips,
// independent of the locale, with the exponent always in at least three digits
// (1.5e+010, 1e-005, -2.5e+100) whatever the platform's C library writes.
//
//   "%g"      general(v)           "%12g"   general(v, 6, 12)
//   "%15.6g"  general(v, 6, 15)    "%15.6lg" the same
//   "%12.5g"  general(v, 5, 12)    "%12f"   fixed(v, 6, 12)
//   "%i"      integer(n)           "%3i"    integer(n, 3)
//
// Widths right-align with blanks. Infinities and NaNs read inf, -inf, nan, -nan.
namespace NumberFormat {

void appendGeneral(std::string &out, double value, int precision = 6, int width = 0);
void appendFixed(std::string &out, double value, int precision = 6, int width = 0);
void appendInteger(std::string &out, long long value, int width = 0);

std::string general(double value, int precision = 6, int width = 0);
std::string fixed(double value, int precision = 6, int width = 0);
std::string integer(long long value, int width = 0);

} // namespace NumberFormat
