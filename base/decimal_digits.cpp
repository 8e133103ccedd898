#include "base/decimal_digits.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// {fmt}'s text of |value|, fixed ("0.00012", "1500") or with an exponent
// ("1.5e-06"), as digits and the power of ten of the first.
DecimalDigits DigitsOfText(bool negative, std::string digits)
{
    int exponent = 0;
    if (const std::size_t e = digits.find('e'); e != std::string::npos) {
        exponent = std::atoi(digits.c_str() + e + 1);
        digits.erase(e);
    }
    std::size_t point = digits.find('.');
    if (point == std::string::npos)
        point = digits.size();
    else
        digits.erase(point, 1);
    const std::size_t leadingZeros = std::min(digits.find_first_not_of('0'), digits.size() - 1);
    digits.erase(0, leadingZeros);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return {negative, digits, exponent + static_cast<int>(point) - 1 - static_cast<int>(leadingZeros)};
}

}

DecimalDigits ShortestDigitsOf(double value)
{
    return DigitsOfText(std::signbit(value), fmt::format("{}", std::fabs(value)));
}

DecimalDigits RoundedDigitsOf(double value, int significantDigits)
{
    return DigitsOfText(std::signbit(value),
                        fmt::format("{:.{}e}", std::fabs(value), std::max(significantDigits, 1) - 1));
}
