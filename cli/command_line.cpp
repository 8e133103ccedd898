#include "command_line.h"

#include "number_text.h"
#include "settings_rules.h"

#include <cmath>
#include <optional>

namespace {

CommandLineError Refused(const std::string& option, const std::string& value, const std::string& why)
{
    return {"vantor-cli: hibás " + option + " érték '" + value + "': " + why};
}

std::optional<CommandLineError> ReadMeasureOption(const std::string& option, const std::string& value,
                                                  MeasureOptions& options)
{
    if (option == "--energy") {
        const std::optional<double> energy = ParseDecimalText(value);
        if (!energy || !std::isfinite(*energy) || !IsValidPassEnergy(*energy))
            return Refused(option, value, "nem-negatív számot kell megadni keV-ben");
        options.energyKeV = *energy;
    } else if (option == "--field") {
        const std::optional<std::int32_t> field = ParseIntegerText(value);
        if (!field || !IsValidFieldMicrotesla(*field))
            return Refused(option, value, "nem-negatív egész számot kell megadni µT-ban");
        options.fieldMicrotesla = *field;
    } else if (option == "--slit") {
        const std::optional<std::int32_t> step = ParseIntegerText(value);
        if (!step || !IsValidSlitStep(*step))
            return Refused(option, value, "0 és 19 közötti egész számot kell megadni");
        options.slitStep = *step;
    } else if (option == "--count") {
        const std::optional<std::int32_t> count = ParseIntegerText(value);
        if (!count || !IsValidParticleCount(*count))
            return Refused(option, value, "pozitív egész számot kell megadni");
        options.count = *count;
    } else {
        return CommandLineError{"vantor-cli: ismeretlen kapcsoló: '" + option + "'"};
    }
    return std::nullopt;
}

std::variant<CommandLine, CommandLineError> ParseMeasure(const std::vector<std::string>& arguments)
{
    CommandLine line;
    line.command = Command::Measure;
    bool energyGiven = false;
    bool fieldGiven = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--json") {
            line.measure.json = true;
            continue;
        }
        if (option == "--help" || option == "-h")
            return CommandLine{Command::Help, {}};
        if (option != "--energy" && option != "--field" && option != "--slit" && option != "--count")
            return CommandLineError{"vantor-cli: ismeretlen kapcsoló: '" + option + "'"};
        if (i + 1 >= arguments.size())
            return CommandLineError{"vantor-cli: a " + option + " kapcsoló után hiányzik az érték"};
        if (auto error = ReadMeasureOption(option, arguments[++i], line.measure))
            return *error;
        energyGiven = energyGiven || option == "--energy";
        fieldGiven = fieldGiven || option == "--field";
    }
    if (!energyGiven)
        return CommandLineError{"vantor-cli: hiányzik az --energy kapcsoló (az áteresztett energia keV-ben)"};
    if (!fieldGiven)
        return CommandLineError{"vantor-cli: hiányzik a --field kapcsoló (a mágneses indukció µT-ban)"};
    return line;
}

}

std::variant<CommandLine, CommandLineError> ParseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return CommandLineError{"vantor-cli: hiányzik a parancs; a --help felsorolja a lehetőségeket"};
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help")
        return CommandLine{Command::Help, {}};
    if (first == "--version")
        return CommandLine{Command::Version, {}};
    if (first == "measure")
        return ParseMeasure(arguments);
    return CommandLineError{"vantor-cli: ismeretlen parancs: '" + first + "'"};
}

std::string HelpText()
{
    return R"(Használat:
  vantor-cli measure --energy KEV --field MIKROTESLA [--slit LÉPÉS] [--count N] [--json]
  vantor-cli --version
  vantor-cli --help

A measure parancs fej nélkül elvégzi azt, amit a frissen indított program
Start gombja: a C-14 forrásból N részecskét indít a Wien-szűrőn át, és kiírja
a kibocsátott és a detektált részecskék számát, valamint a szűrő energiaablakát.
A beállítások úgy érvényesülnek, mint az ablakban: előbb az indukció, majd az
energia beírása. Ugyanazok a kapcsolók mindig ugyanazt az eredményt adják.

Kapcsolók:
  --energy KEV        az áteresztett energia keV-ben, nem-negatív szám ("." a
                      tizedesjel, például 50 vagy 12.5); kötelező
  --field MIKROTESLA  a mágneses indukció egész µT-ban, nem-negatív; 0 esetén a
                      terek ki vannak kapcsolva és az ablak "Nem számolható";
                      kötelező
  --slit LÉPÉS        a rés lépése, 0 és 19 között (félszélesség
                      (LÉPÉS + 2) × 0,5 mm); alapértelmezés 0
  --count N           az indítandó részecskék száma, legalább 1;
                      alapértelmezés 1000
  --json              egyetlen JSON objektum a launched, detected,
                      passLowerKeV, passUpperKeV, passWidthKeV kulcsokkal
                      (null, ha az ablak nem számolható)
  --version           a program verziószáma
  --help              ez a leírás

Kilépési kód: 0 siker, 2 hibás argumentum.
)";
}
