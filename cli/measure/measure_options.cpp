#include "cli/measure/measure_options.h"

ParsedOptions<MeasureOptions> ParseMeasureOptions(const std::vector<std::string>& arguments)
{
    static const CommandGrammar<MeasureOptions> grammar = [] {
        CommandGrammar<MeasureOptions> measure{RunRules<MeasureOptions>(),
                                               {{"--energy", "az áteresztett energia keV-ben"},
                                                {"--field", FieldMeaning}}};
        measure.rules.insert({"--energy", {Decimal(&MeasureOptions::energyKeV, IsValidPassEnergy), EnergyWanted}});
        measure.rules.insert({"--json", {{}, "", &MeasureOptions::json}});
        return measure;
    }();
    return ParseOptions(grammar, arguments);
}
