#include "base/number_scan.h"

#include <cctype>
#include <charconv>
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

// Far beyond any exponent a double can reach and any number of digits a text
// can hold, yet small enough that adding the two cannot overflow.
constexpr long long ExponentCap = 1'000'000'000'000'000'000;

long long ExponentValue(std::string_view digits, bool negative)
{
    long long value = 0;
    for (char c : digits) {
        if (value > ExponentCap / 10) {
            value = ExponentCap;
            break;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The power of ten of the first significant digit: a number beyond a double's
// range is too large when it is positive and too small when it is negative,
// whatever the sign of the exponent written (1000e-1 is no small number).
long long LeadingPower(std::string_view integerDigits, std::string_view fractionDigits, long long exponent)
{
    const std::size_t integerLead = integerDigits.find_first_not_of('0');
    if (integerLead != std::string_view::npos)
        return exponent + static_cast<long long>(integerDigits.size() - integerLead - 1);
    const std::size_t fractionLead = fractionDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(fractionLead + 1);
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
    long long exponent = 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponentStart = end + 1;
        bool negativeExponent = false;
        if (exponentStart < text.size() && (text[exponentStart] == '+' || text[exponentStart] == '-')) {
            negativeExponent = text[exponentStart] == '-';
            ++exponentStart;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponentStart);
        if (exponentEnd == exponentStart)
            return std::nullopt;
        exponent = ExponentValue(text.substr(exponentStart, exponentEnd - exponentStart), negativeExponent);
        end = exponentEnd;
    }

    std::size_t rest = end;
    if (trailingBlanks) {
        while (rest < text.size() && text[rest] == ' ')
            ++rest;
    }
    if (rest != text.size())
        return std::nullopt;

    double magnitude = 0.0;
    const auto [stop, error] = std::from_chars(text.data() + numberStart, text.data() + end, magnitude);
    if (error == std::errc::result_out_of_range) {
        const std::string_view integerDigits = text.substr(numberStart, integerEnd - numberStart);
        const std::string_view fractionDigits =
            mantissaEnd > integerEnd ? text.substr(integerEnd + 1, mantissaEnd - integerEnd - 1) : std::string_view();
        if (LeadingPower(integerDigits, fractionDigits, exponent) >= 0)
            return std::nullopt;
        magnitude = 0.0;   // too small for a double: it reads as zero
    } else if (error != std::errc() || stop != text.data() + end) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}
