#include "cli/common/option_parsing.h"

#include "base/reader_text.h"

CommandLineError UnknownOption(const std::string& option)
{
    return {"vantor-cli: ismeretlen kapcsoló: „" + option + "”"};
}

CommandLineError UnexpectedArgument(const std::string& argument)
{
    return {"vantor-cli: váratlan argumentum: „" + argument + "”"};
}

CommandLineError MissingValue(const std::string& option)
{
    return {"vantor-cli: " + std::string(OptionArticle(option)) + " " + option + " kapcsoló után hiányzik az érték"};
}

CommandLineError RefusedValue(const std::string& option, const std::string& value, const std::string& why)
{
    return {"vantor-cli: hibás " + option + " érték „" + value + "”: " + why};
}

CommandLineError RefusedDecimalComma(const std::string& option, const std::string& value)
{
    return RefusedValue(option, value, std::string(DecimalPointHint) + ", pl. 12.5");
}

CommandLineError MissingOption(const std::string& option, const std::string& meaning)
{
    return {"vantor-cli: hiányzik " + std::string(OptionArticle(option)) + " " + option + " kapcsoló (" + meaning + ")"};
}
