#include "base/number_text.h"
#include "fuzz/fuzz_check.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool AllDigits(std::string_view digits, int base)
{
    if (digits.empty())
        return false;
    for (char c : digits) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!decimal && !(base == 16 && hex))
            return false;
    }
    return true;
}

// The same syntax read another way: std::from_chars knows the 32-bit limits.
std::optional<std::int32_t> Expected(std::string_view text, bool& plainDecimal)
{
    plainDecimal = false;
    const std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(at);
    int base = 10;
    std::string digits;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('+') || text.starts_with('-')) {
        if (text.front() == '-')
            digits = "-";
        text.remove_prefix(1);
    }
    if (!AllDigits(text, base))
        return std::nullopt;
    plainDecimal = base == 10;
    digits.append(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// The decimal text std::to_string gives for the number written: no blanks,
// no '+', no leading zeros, no "-0".
std::string Canonical(std::string_view text)
{
    text.remove_prefix(text.find_first_not_of(' '));
    const bool negative = text.front() == '-';
    if (text.front() == '+' || negative)
        text.remove_prefix(1);
    const std::size_t significant = text.find_first_not_of('0');
    if (significant == std::string_view::npos)
        return "0";
    return (negative ? "-" : "") + std::string(text.substr(significant));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> value = ParseIntegerText(text);
    bool plainDecimal = false;
    const std::optional<std::int32_t> expected = Expected(text, plainDecimal);
    Require(value == expected, "the text reads as std::from_chars reads it within 32 bits");
    if (value && plainDecimal)
        Require(std::to_string(*value) == Canonical(text), "a decimal reads back as it was written");
    return 0;
}
