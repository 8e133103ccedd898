#include "base/number_text.h"

#include "base/number_scan.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace {

std::optional<std::int32_t> DigitsValue(std::string_view digits, int base, bool negative)
{
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    for (char c : digits) {
        int digit;
        if (std::isdigit(static_cast<unsigned char>(c)))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
            digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}

std::optional<std::int32_t> ParseIntegerText(std::string_view text)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(at);
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        return DigitsValue(text.substr(1), 16, false);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return DigitsValue(text.substr(2), 16, false);
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return DigitsValue(text, 10, negative);
}

std::optional<double> ParseDecimalText(std::string_view text)
{
    return ScanNumber(text, false);
}

std::string GeneralNumberText(double value)
{
    if (value == 0.0)
        return "0";
    // Rounded to fifteen digits, the doubles nearest the largest one would be
    // written above it, as a text that no longer reads back as a number.
    constexpr double LargestFifteenDigitValue = 1.79769313486231e308;
    value = std::clamp(value, -LargestFifteenDigitValue, LargestFifteenDigitValue);
    char buffer[64];
    // d.dddddddddddddde±XX: fifteen significant digits, correctly rounded.
    const auto scientific = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::scientific, 14);
    const std::string_view text(buffer, scientific.ptr - buffer);
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    const std::size_t point = static_cast<std::size_t>(exponent + 1);
    std::string result = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            result.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
        } else if (digits.size() <= point) {
            result.append(digits).append(point - digits.size(), '0');
        } else {
            result.append(digits, 0, point).append(1, '.').append(digits, point);
        }
        return result;
    }
    result.append(digits, 0, 1);
    if (digits.size() > 1)
        result.append(1, '.').append(digits, 1);
    return result.append("E").append(std::to_string(exponent));
}

std::string FixedText(double value, int width, int decimals)
{
    char buffer[400];
    const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, fixed.ptr);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string ExactNumberText(double value)
{
    char buffer[64];
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, shortest.ptr);
}
