#include "cli/scan/scan_options.h"

#include "base/number_text.h"
#include "cli/scan/scan_columns.h"

#include <cmath>

namespace {

// A scan of more points than this is a typing error rather than a measurement.
constexpr int MaxScanPoints = 100000;

bool IsPositive(double value)
{
    return value > 0.0;
}

// The CSV's columns by name, a note beside the few that need one.
std::string CsvColumnsText()
{
    std::string text;
    for (const ScanColumn& column : ScanColumns()) {
        text += std::string(column.name);
        if (!column.note.empty())
            text += " (" + std::string(column.note) + ")";
        text += ", ";
    }
    return text + std::string(SeedColumn);
}

}

const CommandGrammar<ScanOptions>& ScanGrammar()
{
    static const CommandGrammar<ScanOptions> grammar = [] {
        const RunRules<ScanOptions> run;
        OptionRule<ScanOptions> count = run.count;
        count.help = CountHelp("a pásztázás minden pontjában");
        const OptionRule<ScanOptions> from{.name = "--from",
                                           .value = "KEV",
                                           .help = "a pásztázás első áteresztett energiája keV-ben",
                                           .required = "az első áteresztett energia keV-ben",
                                           .read = Decimal(&ScanOptions::fromKeV, IsValidPassEnergy),
                                           .why = EnergyWanted};
        const OptionRule<ScanOptions> to{.name = "--to",
                                         .value = "KEV",
                                         .help = "a pásztázás utolsó áteresztett energiája keV-ben",
                                         .required = "az utolsó áteresztett energia keV-ben",
                                         .read = Decimal(&ScanOptions::toKeV, IsValidPassEnergy),
                                         .why = EnergyWanted};
        const OptionRule<ScanOptions> step{.name = "--step",
                                           .value = "KEV",
                                           .help = "a pásztázás lépése keV-ben, pozitív szám",
                                           .required = "a lépés keV-ben",
                                           .read = Decimal(&ScanOptions::stepKeV, IsPositive),
                                           .why = "pozitív számot kell megadni keV-ben"};
        const OptionRule<ScanOptions> csv{
            .name = "--csv",
            .value = "FÁJL",
            .help = "a pásztázás eredménye CSV-ben: " + CsvColumnsText()
                  + "; a keV-re jutó oszlopok mind azt adják meg, hány kibocsátott részecske jut a forrás "
                    "energiaskáláján egy keV-re",
            .read = Path(&ScanOptions::csvPath),
            .why = FileNameWanted};
        const OptionRule<ScanOptions> xlsx{
            .name = "--xlsx",
            .value = "FÁJL",
            .help = "ugyanez Excel-munkafüzetként (.xlsx), amely dupla kattintással is helyesen nyílik meg: magyar "
                    "oszlopnevek, a számok számként, fölöttük a program változata, a --seed értéke és a beállítások",
            .read = Path(&ScanOptions::xlsxPath),
            .why = FileNameWanted};
        const OptionRule<ScanOptions> plot{
            .name = "--plot",
            .value = "FÁJL.png",
            .help = "a keV-re jutó beütésszám és (az --unfold mellett) a visszafejtett spektrum a 95%-os "
                    "intervallumaival, a valódi N·s(W) vonalként, alatta az eltérések szórásban, egy PNG-rajzon",
            .read = Path(&ScanOptions::plotPath),
            .why = FileNameWanted};
        const OptionRule<ScanOptions> unfold{
            .name = "--unfold",
            .help = "a forrás spektrumának visszafejtése a beütésszámokból (nem negatív legkisebb négyzetes "
                    "illesztés simasági büntetéssel; a büntetés erősségét általánosított keresztvalidáció választja, "
                    "majd a program annyival kisebbre veszi, hogy a 95%-os intervallum a torzítással együtt is lefedje a "
                    "valódi spektrumot)",
            .flag = &ScanOptions::unfold};
        return CommandGrammar<ScanOptions>{
            .name = "scan",
            .description =
                "A scan parancs a teljes mérést, a pásztázást végzi el: az áteresztett energiát --from-tól --to-ig "
                "(a --to értékét is beleértve) --step lépésekben állítja, és minden pontban úgy mér, mintha a "
                "versenyző egyetlen programfutásban minden pontnál megnyomná a Start gombot (a "
                "véletlenszám-sorozat pontról pontra folytatódik). Kiírja a pontonkénti beütésszámot, az "
                "energiaablak szélességét és a keV-re jutó beütésszámot, összeveti a forrás spektrumával, és "
                "kérésre CSV-fájlba, Excel-munkafüzetbe és PNG-rajzba menti. Minden ponthoz kiszámítja a forrásból "
                "várható beütésszámot és a mért beütésszám eltérését ettől, szórásban; az --unfold a "
                "beütésszámokból és az energiaablakokból visszafejti a forrás spektrumát (legalább "
                + std::to_string(FewestUnfoldingPoints) + " pont és nem nulla indukció kell hozzá).",
            .rules = {run.field, from, to, step, run.slit, count, csv, xlsx, plot, run.threads, run.source, run.seed,
                      unfold}};
    }();
    return grammar;
}

ParsedOptions<ScanOptions> ParseScanOptions(const std::vector<std::string>& arguments)
{
    ParsedOptions<ScanOptions> parsed = ParseOptions(ScanGrammar(), arguments);
    if (const auto* options = std::get_if<ScanOptions>(&parsed)) {
        if (options->toKeV < options->fromKeV)
            return CommandLineError{"vantor-cli: a --to értéke nem lehet kisebb a --from értékénél"};
        if (ScanSteps(*options) >= MaxScanPoints)
            return CommandLineError{"vantor-cli: hibás --step érték: túl sok pont lenne (legfeljebb "
                                    + std::to_string(MaxScanPoints) + ")"};
    }
    return parsed;
}

std::string UnfoldingRefusalText(const UnfoldingRefusal& refusal)
{
    switch (refusal.reason) {
    case UnfoldingRefusal::Reason::TooFewPoints:
        return "vantor-cli: az --unfold legalább " + std::to_string(FewestUnfoldingPoints)
            + " mérési pontot kíván, de a pásztázásnak csak " + std::to_string(refusal.points) + " pontja van";
    case UnfoldingRefusal::Reason::NoMagneticField:
        return "vantor-cli: az --unfold mágneses indukció nélkül nem használható: 0 µT mellett nincs energiaablak";
    case UnfoldingRefusal::Reason::PointWithoutBand:
        return "vantor-cli: az --unfold nem használható: " + GeneralNumberText(refusal.energyKeV)
            + " keV-nél nincs energiaablak (az alsó széle nem volna pozitív)";
    case UnfoldingRefusal::Reason::NoBandMeetsSource:
        break;
    }
    return "vantor-cli: az --unfold nem használható: a pásztázás egyik energiaablaka sem fedi át a forrás spektrumát";
}

// The steps of a scan after its first point. Counted from the first energy
// rather than added up, so that no rounding drift loses the last point; the
// limit on the points counts them the same way.
double ScanSteps(const ScanOptions& options)
{
    return std::floor((options.toKeV - options.fromKeV) / options.stepKeV + 1e-9);
}

std::vector<double> ScanEnergies(const ScanOptions& options)
{
    const auto steps = static_cast<long>(ScanSteps(options));
    std::vector<double> energies;
    for (long i = 0; i <= steps; ++i)
        energies.push_back(options.fromKeV + static_cast<double>(i) * options.stepKeV);
    return energies;
}

ScanPlan ScanPlanOf(const ScanOptions& options)
{
    return {ScanEnergies(options), options.fieldMicrotesla, options.count};
}
