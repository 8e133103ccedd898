#pragma once

#include <optional>
#include <string_view>

// Reads a decimal number written with '.' whatever the user's locale:
// leading blanks, an optional sign, digits with an optional '.' and fraction,
// an optional exponent. Trailing blanks are allowed only when asked for;
// anything else after the number, or a value too large for a double, fails;
// a value too small for one reads as zero.
std::optional<double> ScanNumber(std::string_view text, bool trailingBlanks);

// What a reader of numbers tells the user who wrote the Hungarian decimal comma.
inline constexpr const char* DecimalPointHint = "tizedesponttal kell írni";

inline std::optional<double> ScanWholeNumber(std::string_view text)
{
    return ScanNumber(text, true);
}
