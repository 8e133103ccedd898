// Measures how often the unfolded 95 % intervals of a scan hold the true
// N·s(E): the scan is run with the seeds 0 … M − 1 (or from --first-seed
// on), each run is unfolded, and
// every energy's share of covering intervals is printed, with the mean
// interval width and the share over all energies; --csv and --plot write them.
// Flying the particles is the slow part, so the counts of each seed can be
// kept in a file (--counts) and are read back from there on the next run.
//
//   vantor-unfolding-coverage --seeds 100 --counts c14.counts --field 1000 --slit 5
//       --from 10 --to 150 --step 5 --count 200000 --csv c14.csv --plot c14.png

#include "bench/coverage_plot.h"
#include "bench/coverage_tally.h"
#include "cli/command_line.h"
#include "cli/scan/scan_energies.h"
#include "cli/run_setup.h"
#include "cli/scan/scan.h"
#include "analysis/source_comparison.h"
#include "cli/scan/scan_unfolding.h"
#include "core/number_text.h"
#include "core/simulation.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Arguments {
    std::uint32_t firstSeed = 0;
    std::uint32_t seeds = 100;
    std::string countsPath;
    Options options;
};

using Runs = std::map<std::uint32_t, std::vector<ScanPoint>>;

std::optional<Arguments> ReadArguments(int argc, char** argv)
{
    Arguments arguments;
    std::vector<std::string> scan{"scan"};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--seeds" || argument == "--first-seed" || argument == "--counts") && i + 1 < argc) {
            const std::string value = argv[++i];
            const std::optional<std::int32_t> number = ParseIntegerText(value);
            if (argument == "--counts")
                arguments.countsPath = value;
            else if (argument == "--seeds" && number && *number > 0)
                arguments.seeds = static_cast<std::uint32_t>(*number);
            else if (argument == "--first-seed" && number && *number >= 0)
                arguments.firstSeed = static_cast<std::uint32_t>(*number);
            else
                return std::nullopt;
        } else {
            scan.push_back(argument);
        }
    }
    const auto parsed = ParseCommandLine(scan);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return std::nullopt;
    }
    arguments.options = std::get<CommandLine>(parsed).options;
    return arguments;
}

// One line a point: seed, energy, launched, detected, band in keV. A seed
// always counts the same, so a point written twice is kept once; a last line
// without its end may still be being written.
Runs ReadCounts(const std::string& path)
{
    Runs runs;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line) && !file.eof()) {
        std::istringstream fields(line);
        std::uint32_t seed = 0;
        ScanPoint point;
        double lower = 0.0;
        double upper = 0.0;
        char comma = 0;
        if (fields >> seed >> comma >> point.energyKeV >> comma >> point.launched >> comma >> point.detected >> comma
            >> lower >> comma >> upper) {
            point.responseLowerKeV = lower;
            point.responseUpperKeV = upper;
            std::vector<ScanPoint>& run = runs[seed];
            const auto same = [&](const ScanPoint& kept) { return kept.energyKeV == point.energyKeV; };
            if (std::none_of(run.begin(), run.end(), same))
                run.push_back(point);
        }
    }
    return runs;
}

void AppendCounts(const std::string& path, std::uint32_t seed, const std::vector<ScanPoint>& points)
{
    std::ofstream file(path, std::ios::binary | std::ios::app);
    for (const ScanPoint& point : points) {
        file << seed << ',' << ExactNumberText(point.energyKeV) << ',' << point.launched << ',' << point.detected
             << ',' << ExactNumberText(point.responseLowerKeV.value_or(0.0)) << ','
             << ExactNumberText(point.responseUpperKeV.value_or(0.0)) << '\n';
    }
}

std::vector<ScanPoint> MeasuredRun(const Arguments& arguments, std::uint32_t seed)
{
    Options options = arguments.options;
    options.seed = seed;
    Simulation sim;
    PrepareSimulation(options, sim);
    return MeasureScan(sim, options, ThreadsToUse(options));
}

std::string CoverageCsv(const CoverageTally& tally)
{
    std::string csv = "energy_keV,true_per_keV,runs,covered,share,mean_width_per_keV\n";
    for (std::size_t i = 0; i < tally.energiesKeV.size(); ++i) {
        csv += ExactNumberText(tally.energiesKeV[i]) + "," + ExactNumberText(tally.truePerKeV[i]) + ","
            + std::to_string(tally.runs) + "," + std::to_string(tally.covered[i]) + ","
            + ExactNumberText(tally.Share(i)) + "," + ExactNumberText(tally.MeanWidth(i)) + "\n";
    }
    return csv;
}

}

int main(int argc, char** argv)
{
    const std::optional<Arguments> arguments = ReadArguments(argc, argv);
    if (!arguments) {
        std::fprintf(stderr, "használat: vantor-unfolding-coverage --seeds M [--first-seed S] [--counts FÁJL] "
                             "<a scan kapcsolói>\n");
        return 2;
    }
    const Options& options = arguments->options;
    Simulation reference;
    if (auto error = PrepareSimulation(options, reference)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 2;
    }
    if (auto refusal = UnfoldingRefusal(reference, options)) {
        std::fprintf(stderr, "%s\n", refusal->c_str());
        return 2;
    }

    Runs kept = arguments->countsPath.empty() ? Runs{} : ReadCounts(arguments->countsPath);
    CoverageTally tally;
    for (std::uint32_t seed = arguments->firstSeed; seed - arguments->firstSeed < arguments->seeds; ++seed) {
        std::vector<ScanPoint> points = kept[seed];
        if (points.size() != ScanEnergies(options).size()) {
            std::fprintf(stderr, "\rmérés: %u. mag (%u közül)", seed - arguments->firstSeed + 1, arguments->seeds);
            points = MeasuredRun(*arguments, seed);
            if (!arguments->countsPath.empty())
                AppendCounts(arguments->countsPath, seed, points);
        }
        CompareWithSource(points, reference.source);
        UnfoldScan(points, reference.source);
        tally.Add(points);
    }
    std::fprintf(stderr, "\n");

    std::printf("   E (keV)   valódi/keV  lefedés  átl. szélesség/keV\n");
    for (std::size_t i = 0; i < tally.energiesKeV.size(); ++i) {
        std::printf("%10.3f %12.2f %7.0f %% %19.2f\n", tally.energiesKeV[i], tally.truePerKeV[i],
                    100 * tally.Share(i), tally.MeanWidth(i));
    }
    std::printf("%d futás; legkisebb lefedés %.0f %%, összesen %.1f %%, átlagos szélesség %.2f /keV\n", tally.runs,
                100 * tally.SmallestShare(), 100 * tally.OverallShare(), tally.MeanWidth());

    if (!options.csvPath.empty()) {
        std::ofstream file(options.csvPath, std::ios::binary | std::ios::trunc);
        file << CoverageCsv(tally);
        if (!file) {
            std::fprintf(stderr, "a CSV-fájl nem írható: %s\n", options.csvPath.c_str());
            return 1;
        }
    }
    if (!options.plotPath.empty()) {
        const std::string title = "Lefedés: " + reference.source.Name + ", "
            + std::to_string(options.fieldMicrotesla) + " µT, rés " + std::to_string(options.slitStep);
        if (auto error = WriteCoveragePlot(tally, title, options.plotPath)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return 1;
        }
    }
    return 0;
}
