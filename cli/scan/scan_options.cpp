#include "cli/scan/scan_options.h"

#include "base/number_text.h"
#include "cli/scan/scan_energies.h"

namespace {

// A scan of more points than this is a typing error rather than a measurement.
constexpr double MaxScanPoints = 100000;

bool IsPositive(double value)
{
    return value > 0.0;
}

const CommandGrammar<ScanOptions>& Grammar()
{
    static const CommandGrammar<ScanOptions> grammar = [] {
        CommandGrammar<ScanOptions> scan{RunRules<ScanOptions>(),
                                         {{"--field", FieldMeaning},
                                          {"--from", "az első áteresztett energia keV-ben"},
                                          {"--to", "az utolsó áteresztett energia keV-ben"},
                                          {"--step", "a lépés keV-ben"}}};
        scan.rules.insert({"--from", {Decimal(&ScanOptions::fromKeV, IsValidPassEnergy), EnergyWanted}});
        scan.rules.insert({"--to", {Decimal(&ScanOptions::toKeV, IsValidPassEnergy), EnergyWanted}});
        scan.rules.insert({"--step", {Decimal(&ScanOptions::stepKeV, IsPositive), "pozitív számot kell megadni keV-ben"}});
        scan.rules.insert({"--csv", {Path(&ScanOptions::csvPath), FileNameWanted}});
        scan.rules.insert({"--xlsx", {Path(&ScanOptions::xlsxPath), FileNameWanted}});
        scan.rules.insert({"--plot", {Path(&ScanOptions::plotPath), FileNameWanted}});
        scan.rules.insert({"--unfold", {{}, "", &ScanOptions::unfold}});
        return scan;
    }();
    return grammar;
}

}

ParsedOptions<ScanOptions> ParseScanOptions(const std::vector<std::string>& arguments)
{
    ParsedOptions<ScanOptions> parsed = ParseOptions(Grammar(), arguments);
    if (const auto* options = std::get_if<ScanOptions>(&parsed)) {
        if (options->toKeV < options->fromKeV)
            return CommandLineError{"vantor-cli: a --to értéke nem lehet kisebb a --from értékénél"};
        if (ScanSteps(*options) >= MaxScanPoints)
            return CommandLineError{"vantor-cli: hibás --step érték: túl sok pont lenne (legfeljebb 100000)"};
    }
    return parsed;
}

std::string UnfoldingRefusalText(const UnfoldingRefusal& refusal)
{
    switch (refusal.reason) {
    case UnfoldingRefusal::Reason::TooFewPoints:
        return "vantor-cli: a --unfold legalább " + std::to_string(FewestUnfoldingPoints) + " mérési pontot kíván, a scan "
            + std::to_string(refusal.points) + " pontos";
    case UnfoldingRefusal::Reason::NoMagneticField:
        return "vantor-cli: a --unfold mágneses tér nélkül nem használható: 0 µT mellett nincs energiaablak";
    case UnfoldingRefusal::Reason::PointWithoutBand:
        return "vantor-cli: a --unfold nem használható: a(z) " + FixedText(refusal.energyKeV, 1, 3)
            + " keV-es pontnak nincs energiaablaka (az alsó széle nem pozitív)";
    case UnfoldingRefusal::Reason::NoBandMeetsSource:
        break;
    }
    return "vantor-cli: a --unfold nem használható: a scan egyik energiaablaka sem fed át a forrás spektrumával";
}
