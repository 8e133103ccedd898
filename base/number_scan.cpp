#include "base/number_scan.h"

#include <fast_float/fast_float.h>

#include <cctype>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace {

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

}

std::optional<double> ScanNumber(std::string_view text, bool trailingBlanks)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t numberStart = at;
    const std::size_t integerEnd = SkipDigits(text, at);
    std::size_t mantissaEnd = integerEnd;
    if (mantissaEnd < text.size() && text[mantissaEnd] == '.')
        mantissaEnd = SkipDigits(text, mantissaEnd + 1);
    const std::size_t digitCount = (mantissaEnd - numberStart) - (mantissaEnd > integerEnd ? 1 : 0);
    if (digitCount == 0)
        return std::nullopt;

    std::size_t end = mantissaEnd;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponentStart = end + 1;
        if (exponentStart < text.size() && (text[exponentStart] == '+' || text[exponentStart] == '-'))
            ++exponentStart;
        const std::size_t exponentEnd = SkipDigits(text, exponentStart);
        if (exponentEnd == exponentStart)
            return std::nullopt;
        end = exponentEnd;
    }

    std::size_t rest = end;
    if (trailingBlanks) {
        while (rest < text.size() && text[rest] == ' ')
            ++rest;
    }
    if (rest != text.size())
        return std::nullopt;

    // Correctly rounded; beyond a double's range the value is infinity, below
    // it zero.
    double magnitude = 0.0;
    const auto [stop, error] = fast_float::from_chars(text.data() + numberStart, text.data() + end, magnitude);
    if (error != std::errc() || stop != text.data() + end || std::isinf(magnitude))
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}
