#include "base/reader_text.h"

#include "base/decimal_digits.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

std::string Superscript(int exponent)
{
    static constexpr const char* Digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "⁻" : "";
    for (char digit : std::to_string(std::abs(exponent)))
        text += Digits[digit - '0'];
    return text;
}

std::string WithComma(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}

std::string ReaderNumberText(double value, int significantDigits)
{
    if (!std::isfinite(value))
        return fmt::format("{}", value);
    if (value == 0.0)
        return "0";
    const auto [negative, digits, exponent] =
        significantDigits > 0 ? RoundedDigitsOf(value, significantDigits) : ShortestDigitsOf(value);
    const std::string_view sign = negative ? "-" : "";
    if (exponent >= 6 || exponent < -3) {
        const std::string_view fraction = std::string_view(digits).substr(1);
        return fmt::format("{}{}{}{} · 10{}", sign, digits.front(), fraction.empty() ? "" : ",", fraction,
                           Superscript(exponent));
    }
    if (exponent < 0)
        return fmt::format("{}0,{}{}", sign, std::string(-exponent - 1, '0'), digits);
    const std::size_t whole = exponent + 1;
    if (digits.size() <= whole)
        return fmt::format("{}{}{}", sign, digits, std::string(whole - digits.size(), '0'));
    return fmt::format("{}{},{}", sign, digits.substr(0, whole), digits.substr(whole));
}

std::string ReaderReadoutText(std::string_view readout)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!readout.empty() && blank(readout.front()))
        readout.remove_prefix(1);
    while (!readout.empty() && blank(readout.back()))
        readout.remove_suffix(1);
    const std::string_view digits = readout.starts_with('-') ? readout.substr(1) : readout;
    const std::size_t point = digits.find('.');
    const auto allDigits = [](std::string_view part) {
        // Emscripten's standard library has no std::ranges::all_of, and the page builds this file.
        return !part.empty() && std::all_of(part.begin(), part.end(),
                                            [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    };
    if (point == std::string_view::npos || !allDigits(digits.substr(0, point)) || !allDigits(digits.substr(point + 1)))
        return std::string(readout);
    return WithComma(std::string(readout));
}

std::string ReaderFixedText(double value, int decimals)
{
    return WithComma(fmt::format("{:.{}f}", value, decimals));
}

std::string ReaderDateTimeText(std::string_view iso)
{
    // YYYY-MM-DDTHH:MM:SS, the offset after it left out.
    constexpr std::string_view Shape = "dddd-dd-ddTdd:dd:dd";
    if (iso.size() < Shape.size())
        return std::string(iso);
    for (std::size_t i = 0; i < Shape.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(iso[i]));
        if (Shape[i] == 'd' ? !digit : iso[i] != Shape[i])
            return std::string(iso);
    }
    return fmt::format("{}. {}. {}. {}", iso.substr(0, 4), iso.substr(5, 2), iso.substr(8, 2), iso.substr(11, 8));
}

std::string_view OptionArticle(std::string_view option)
{
    while (option.starts_with('-'))
        option.remove_prefix(1);
    // An x is read by its name, iksz, so it too begins with a vowel.
    constexpr std::string_view VowelSounds = "aeiouxAEIOUX";
    return !option.empty() && VowelSounds.find(option.front()) != std::string_view::npos ? "az" : "a";
}

std::string_view ReaderArticle(std::uint64_t number)
{
    // Only egy, ezer (1, 1000, 1000000 …) and öt (5, 50, 500, 5000 …) begin
    // with a vowel; tíz and száz, which also start with 1, do not.
    const std::string digits = std::to_string(number);
    const bool vowel = digits.front() == '5' || (digits.front() == '1' && digits.size() % 3 == 1);
    return vowel ? "az" : "a";
}
