#pragma once

#include <string>

// The decimal digits of a double without trailing zeros, and the power of
// ten of the first: 1.5e-06 is {false, "15", -6}.
struct DecimalDigits {
    bool negative;
    std::string digits;
    int exponent;
};

// The shortest digits that read back as the value.
DecimalDigits ShortestDigitsOf(double value);

// The value rounded to the given number of significant digits (at least 1).
DecimalDigits RoundedDigitsOf(double value, int significantDigits);
