#include "cli/measure/measure_options.h"

const CommandGrammar<MeasureOptions>& MeasureGrammar()
{
    static const CommandGrammar<MeasureOptions> grammar = [] {
        const RunRules<MeasureOptions> run;
        const OptionRule<MeasureOptions> energy{
            .name = "--energy",
            .value = "KEV",
            .help = "az áteresztett energia keV-ben, nem negatív szám, tizedesponttal (például 50 vagy 12.5)",
            .required = "az áteresztett energia keV-ben",
            .read = Decimal(&MeasureOptions::energyKeV, IsValidPassEnergy),
            .why = EnergyWanted};
        const OptionRule<MeasureOptions> json{
            .name = "--json",
            .help = "a measure eredménye egyetlen JSON-objektumként a launched, detected, passLowerKeV, passUpperKeV, "
                    "passWidthKeV, expectedDetected, pull (null, ha az energiaablak nem számolható) és seed kulcsokkal",
            .flag = &MeasureOptions::json};
        return CommandGrammar<MeasureOptions>{
            .name = "measure",
            .description = "A measure parancs ablak nélkül elvégzi azt, amit a frissen indított program Start gombja: "
                           "a forrásból N részecskét bocsát ki a Wien-szűrő felé, és kiírja a kibocsátott részecskék "
                           "számát, a beütésszámot és a szűrő energiaablakát. A beállítások úgy érvényesülnek, mint "
                           "a programablakban: előbb az indukció, majd az energia beírása. Ugyanazok a kapcsolók mindig "
                           "ugyanazt az eredményt adják.",
            .rules = {energy, run.field, run.slit, run.count, run.threads, run.source, run.seed, json}};
    }();
    return grammar;
}

ParsedOptions<MeasureOptions> ParseMeasureOptions(const std::vector<std::string>& arguments)
{
    return ParseOptions(MeasureGrammar(), arguments);
}
