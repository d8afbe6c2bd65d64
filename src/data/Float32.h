#pragma once

#include <cfloat>
#include <cmath>

// A value formed in double and stored as float32: rounded once. A finite double
// beyond float's range has no float value to round to (converting it would be
// undefined); it goes to the infinity of its sign.
inline float roundedToFloat(double value)
{
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
        return value > 0 ? INFINITY : -INFINITY;
    return static_cast<float>(value);
}
