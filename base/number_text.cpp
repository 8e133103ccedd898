#include "base/number_text.h"

#include "base/decimal_digits.h"
#include "base/number_scan.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

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
    // d.dddddddddddddde±XX: fifteen significant digits, correctly rounded.
    const std::string text = fmt::format("{:.14e}", value);
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : std::string_view(text).substr(0, e)) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(text.substr(e + 1).c_str());

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
    return fmt::format("{:>{}.{}f}", value, width, decimals);
}

namespace {

// The form of std::to_chars without a format: fixed or with an exponent,
// whichever is shorter, fixed when both are as long.
std::string ShortestForm(double value, bool exactWholeNumbers)
{
    if (!std::isfinite(value))
        return fmt::format("{}", value);
    const DecimalDigits shortest = ShortestDigitsOf(value);
    const int digitCount = static_cast<int>(shortest.digits.size());
    const int lastDigitPower = shortest.exponent - (digitCount - 1);
    // 0.001 and 1e-03, 10000 and 1e+04 are as long; so are 0.0001234 and
    // 1.234e-04, 123400000 and 1.234e+08.
    const bool fixed = digitCount == 1 ? lastDigitPower >= -3 && lastDigitPower <= 4
                                       : lastDigitPower >= -(digitCount + 3) && lastDigitPower <= 5;
    const char* sign = shortest.negative ? "-" : "";
    const std::string_view digits = shortest.digits;
    if (!fixed)
        return fmt::format("{}{}{}{}e{:+03d}", sign, digits.substr(0, 1), digitCount > 1 ? "." : "", digits.substr(1),
                           shortest.exponent);
    if (lastDigitPower >= 0)
        return exactWholeNumbers ? fmt::format("{:.0f}", value)
                                 : fmt::format("{}{:0<{}}", sign, digits, shortest.exponent + 1);
    if (shortest.exponent >= 0) {
        const std::size_t point = static_cast<std::size_t>(shortest.exponent + 1);
        return fmt::format("{}{}.{}", sign, digits.substr(0, point), digits.substr(point));
    }
    return fmt::format("{}0.{:0>{}}", sign, digits, digitCount - shortest.exponent - 1);
}

}

std::string ExactNumberText(double value)
{
    return ShortestForm(value, true);
}

std::string ShortestNumberText(double value)
{
    if (std::isnan(value))
        return "nan";
    return ShortestForm(value == 0.0 ? 0.0 : value, false);
}
