#pragma once

#include <optional>
#include <string>

// An output name that holds one printf-style integer conversion ("frames/step-%03d.png",
// "run-%d.tif") and names one file per step. The name is the system's bytes; only the
// conversion is read, with its flags and width, and "%%" stands for one "%".
class NumberedFileName
{
public:
    // The pattern when it holds exactly one integer conversion (%d or %i, with the flags
    // "0", "-", "+" or " " and a width of at most three digits) and no other conversion.
    static std::optional<NumberedFileName> fromPattern(const std::string &pattern);
    // Whether a name holds a "%" that is not "%%", so a caller can tell a pattern meant.
    static bool looksLikePattern(const std::string &name);

    std::string nameFor(int number) const;

private:
    std::string m_before;
    std::string m_conversion;
    std::string m_after;
};
