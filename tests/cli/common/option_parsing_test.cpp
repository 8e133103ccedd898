#include "cli/common/option_parsing.h"
#include "cli/measure/measure_options.h"
#include "cli/scan/scan_options.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

std::string RefusalOf(const Arguments& arguments)
{
    const auto message = [](const auto& parsed) {
        const auto* error = std::get_if<CommandLineError>(&parsed);
        return error ? error->message : "";
    };
    return arguments.front() == "scan" ? message(ParseScanOptions(arguments)) : message(ParseMeasureOptions(arguments));
}

// A comma the number would be read with as a decimal point is named as the
// fault; where the number is wrong with a point too, the option's own rule is.
TEST(OptionParsing, NamesTheDecimalCommaWhenItIsTheOnlyFault)
{
    const std::vector<std::pair<Arguments, std::string>> refusals{
        {{"measure", "--energy", "1,5"}, "vantor-cli: hibás --energy érték „1,5”: tizedesponttal kell írni, pl. 12.5"},
        {{"measure", "--energy", "1,5e3"},
         "vantor-cli: hibás --energy érték „1,5e3”: tizedesponttal kell írni, pl. 12.5"},
        {{"scan", "--step", "0,5"}, "vantor-cli: hibás --step érték „0,5”: tizedesponttal kell írni, pl. 12.5"},
        {{"measure", "--energy", "-1,5"},
         "vantor-cli: hibás --energy érték „-1,5”: nem negatív számot kell megadni keV-ben"},
        {{"measure", "--energy", "1,5,0"},
         "vantor-cli: hibás --energy érték „1,5,0”: nem negatív számot kell megadni keV-ben"},
        {{"measure", "--energy", "1.5,0"},
         "vantor-cli: hibás --energy érték „1.5,0”: nem negatív számot kell megadni keV-ben"},
        {{"measure", "--field", "1,5"}, "vantor-cli: hibás --field érték „1,5”: nem negatív egész számot kell megadni µT-ban"},
        {{"measure", "--count", "1,000"}, "vantor-cli: hibás --count érték „1,000”: pozitív egész számot kell megadni"},
        {{"measure", "--seed", "1,5"},
         "vantor-cli: hibás --seed érték „1,5”: 0 és 4294967295 közötti egész számot kell megadni"}};
    for (const auto& [arguments, message] : refusals)
        EXPECT_EQ(RefusalOf(arguments), message) << arguments[1] << ' ' << arguments[2];
}

}
