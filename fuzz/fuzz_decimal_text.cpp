#include "base/number_scan.h"
#include "base/number_text.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

// strtod reads more than the number syntax (hexadecimal, "inf", other
// blanks); on texts made of these characters alone it reads the same syntax.
bool OnlyNumberCharacters(std::string_view text)
{
    return text.find_first_not_of(" +-.0123456789eE") == std::string_view::npos;
}

struct Reading {
    bool whole;     // strtod read the number up to the end, or up to trailing blanks when allowed
    double value;
};

// Nothing in this target sets a locale, so strtod takes '.' as the decimal point.
Reading ReadByStrtod(std::string_view text, bool trailingBlanks)
{
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    std::string_view rest(end, copy.c_str() + copy.size() - end);
    if (trailingBlanks)
        rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(' ')));
    return {end != copy.c_str() && rest.empty(), value};
}

void RequireAsStrtod(std::string_view text, bool trailingBlanks, const std::optional<double>& read)
{
    const Reading expected = ReadByStrtod(text, trailingBlanks);
    const bool representable = expected.whole && std::isfinite(expected.value);
    Require(read.has_value() == representable, "a number is read exactly when strtod reads a double from it");
    if (read)
        Require(*read == expected.value, "the value is the correctly rounded one");
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> decimal = ParseDecimalText(text);
    const std::optional<double> padded = ScanNumber(text, true);
    Require(!decimal || std::isfinite(*decimal), "a decimal text reads as a finite value");
    Require(!padded || std::isfinite(*padded), "a padded number reads as a finite value");
    Require(!decimal || padded == decimal, "trailing blanks allowed refuse nothing that reads without them");
    if (OnlyNumberCharacters(text)) {
        RequireAsStrtod(text, false, decimal);
        RequireAsStrtod(text, true, padded);
    }
    return 0;
}
