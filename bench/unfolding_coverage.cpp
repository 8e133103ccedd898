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

#include "bench/coverage_limits.h"
#include "bench/coverage_plot.h"
#include "bench/coverage_tally.h"
#include "analysis/scan_measurement.h"
#include "analysis/scan_unfolding.h"
#include "analysis/source_comparison.h"
#include "base/number_text.h"
#include "base/reader_text.h"
#include "cli/common/option_parsing.h"
#include "cli/common/output_file.h"
#include "cli/common/run_setup.h"
#include "cli/common/utf8_text.h"
#include "cli/scan/scan_options.h"
#include "core/simulation.h"
#include "generated/vantor_version.h"
#include "spectrum/random_seed.h"
#include "spectrum/source_file.h"
#include "spectrum/source_spectrum.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

const std::string ProgramName = "vantor-unfolding-coverage";

// Below this many counts a point on average the intervals' Gaussian errors
// are only a rough approximation of the counts' own.
constexpr double FewCounts = 10.0;

struct Arguments {
    std::uint32_t firstSeed = 0;
    std::uint32_t seeds = 100;
    std::string countsPath;
    ScanOptions options;
};

struct HelpAsked {};

using Runs = std::map<std::uint32_t, std::vector<ScanPoint>>;

// The scan's own messages name vantor-cli; these are this program's.
std::string Ours(const std::string& message)
{
    const std::string theirs = "vantor-cli: ";
    if (message.rfind(theirs, 0) == 0)
        return ProgramName + ": " + message.substr(theirs.size());
    return message;
}

std::string HelpText()
{
    return R"(Használat:
  vantor-unfolding-coverage [--seeds M] [--first-seed S] [--counts FÁJL]
                            --field MIKROTESLA --from KEV --to KEV --step KEV
                            [--slit LÉPÉS] [--count N] [--source FÁJL]
                            [--threads N] [--csv FÁJL] [--plot FÁJL.png]
  vantor-unfolding-coverage --help

Megméri, milyen gyakran tartalmazza a vantor-cli scan --unfold 95%-os
intervalluma a valódi N·s(W) értéket: a pásztázást M-szer lefuttatja az S,
S + 1, … S + M − 1 kezdőpontú véletlenszám-sorozattal (mint a vantor-cli
--seed kapcsolója), mindegyiket visszafejti, és energiánként kiírja, a
futások hány százalékában volt benne a valódi érték az intervallumban
(lefedés), az intervallum átlagos szélességét és az átlagos beütésszámot,
végül a legkisebb és az összes energiára együtt vett lefedést. Valódi 95%-os
intervallumnál is ingadozik a mért lefedés: energiánként szórása 100
futásnál ±2,2%, 100 futásból 88 alá ritkán esik; kevés futás (59 alatt)
még akkor sem mutatja ki a 95%-ot, ha mind tartalmazza a valódi értéket.
Ahol egy pontra átlagosan 10-nél kevesebb beütés jut, ott az intervallum
gaussi hibája csak durva közelítés; a program ezeket a pontokat megnevezi.

Kapcsolók:
  --seeds M           ennyi futás, legalább 1; alapértelmezés 100
  --first-seed S      az első futás kezdőpontja (0 és 4294967295 között);
                      alapértelmezés 0
  --counts FÁJL       a futások beütésszámai ebben a fájlban maradnak meg
                      (az első sor a program változata, az indukció, a
                      Blende lépése, a részecskeszám és a forrás
                      ujjlenyomata; utána soronként: kezdőpont, a sorozat
                      kezdőállapota, energia, kibocsátott részecskék,
                      beütésszám, az energiaablak alsó és felső széle
                      keV-ben); a következő futtatás innen olvassa
                      vissza őket, és csak visszafejt; a más sorozattal
                      mért sorokat újra méri; más beállítás fájlját nem
                      használja és nem írja felül
  --field, --from, --to, --step, --slit, --count, --source, --threads
                      a pásztázás beállításai, mint a vantor-cli scan
                      parancsánál
  --csv FÁJL          az eredmény CSV-ben: energy_keV, true_per_keV, runs,
                      covered, share, mean_width_per_keV, mean_detected
  --plot FÁJL.png     a lefedés az energia függvényében, a névleges 95%-kal
                      és azzal a határral, amely alá valódi 95%-os lefedés
                      ennyi futásból csak ritkán esik
  --help              ez a leírás
)";
}

std::optional<std::uint32_t> UnsignedText(const std::string& text)
{
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::string ValueWanted(const std::string& option)
{
    if (option == "--counts")
        return FileNameWanted;
    if (option == "--seeds")
        return "pozitív egész számot kell megadni";
    return "0 és " + std::to_string(std::numeric_limits<std::uint32_t>::max()) + " közötti egész számot kell megadni";
}

std::variant<Arguments, HelpAsked, std::string> ReadArguments(const std::vector<std::string>& arguments)
{
    Arguments read;
    std::vector<std::string> scan{"scan"};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return HelpAsked{};
        if (argument == "--seeds" || argument == "--first-seed" || argument == "--counts") {
            if (i + 1 == arguments.size())
                return ProgramName + ": " + std::string(OptionArticle(argument)) + " " + argument
                     + " kapcsoló után hiányzik az érték";
            const std::string& value = arguments[++i];
            const std::optional<std::uint32_t> number = UnsignedText(value);
            if (argument == "--counts" && !value.empty())
                read.countsPath = value;
            else if (argument == "--seeds" && number && *number > 0)
                read.seeds = *number;
            else if (argument == "--first-seed" && number)
                read.firstSeed = *number;
            else
                return Ours(RefusedValue(argument, value, ValueWanted(argument)).message);
        } else {
            scan.push_back(argument);
        }
    }
    // The last seed must be a seed too, not the count wrapped round to 0.
    if (read.seeds - 1 > std::numeric_limits<std::uint32_t>::max() - read.firstSeed)
        return ProgramName + ": a --first-seed és a --seeds együtt túlmegy a legnagyobb kezdőponton (4294967295)";
    const auto parsed = ParseScanOptions(scan);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return Ours(error->message);
    read.options = std::get<ScanOptions>(parsed);
    return read;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    return fields;
}

// FNV-1a: a fingerprint of the source's text, so that an edited table is
// told apart from the one the counts were measured with.
std::uint64_t Fingerprint(const std::vector<std::string>& lines)
{
    std::uint64_t hash = 14695981039346656037u;
    for (const std::string& line : lines) {
        for (const char c : line + '\n') {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211u;
        }
    }
    return hash;
}

// The first line of a counts file: what the counts depend on besides the
// seed, the program's version, the scan's settings and the source.
std::string SettingLine(const ScanOptions& options)
{
    const std::vector<std::string> source =
        options.sourcePath.empty() ? BuiltinSourceText() : ReadSourceFile(PathFromUtf8(options.sourcePath)).lines;
    std::ostringstream line;
    line << "# " << ProgramName << ' ' << VantorVersion << " field=" << options.fieldMicrotesla
         << " slit=" << options.slitStep << " count=" << options.count << " source=" << std::hex
         << Fingerprint(source);
    return line.str();
}

// After the setting line, one line a point: seed, the state the seed starts
// from, energy, launched, detected, band in keV. A seed always counts the
// same, so a point written twice is kept once; a last line without its end
// may still be being written. A line whose seed starts elsewhere now is left
// for the point to be measured again.
Runs ReadCounts(std::ifstream& file)
{
    Runs runs;
    std::string line;
    while (std::getline(file, line) && !file.eof()) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() != 7)
            continue;
        const std::optional<std::uint32_t> seed = UnsignedText(fields[0]);
        const std::optional<std::uint32_t> state = UnsignedText(fields[1]);
        const std::optional<double> energy = ParseDecimalText(fields[2]);
        const std::optional<std::int32_t> count = ParseIntegerText(fields[3]);
        const std::optional<std::int32_t> detected = ParseIntegerText(fields[4]);
        const std::optional<double> lower = ParseDecimalText(fields[5]);
        const std::optional<double> upper = ParseDecimalText(fields[6]);
        if (!seed || !state || !energy || !count || !detected || !lower || !upper)
            continue;
        if (*state != SeededRandomState(*seed).value || *detected < 0 || *detected > *count)
            continue;
        ScanPoint point;
        point.energyKeV = *energy;
        point.launched = *count;
        point.detected = *detected;
        point.responseLowerKeV = *lower;
        point.responseUpperKeV = *upper;
        std::vector<ScanPoint>& run = runs[*seed];
        const auto same = [&](const ScanPoint& kept) { return kept.energyKeV == point.energyKeV; };
        if (std::none_of(run.begin(), run.end(), same))
            run.push_back(point);
    }
    return runs;
}

// The counts kept for this setting; a new or empty file is started with the
// setting line. A file of another setting, or no counts file at all, is
// neither read nor written: it may be another run's cache or any file named
// by mistake.
std::variant<Runs, std::string> KeptCounts(const std::string& path, const std::string& setting)
{
    std::ifstream file(PathFromUtf8(path));
    std::string first;
    if (std::getline(file, first)) {
        if (first != setting)
            return ProgramName + ": ez a fájl nem ennek a beállításnak a beütésszámait tartja: '" + path
                + "'; más fájlt kell megadni, vagy ezt törölni";
        return ReadCounts(file);
    }
    std::ofstream started(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    started << setting << '\n';
    if (!started.flush())
        return ProgramName + ": a beütésszámok fájlja nem írható: '" + path + "'";
    return Runs{};
}

void AppendCounts(const std::string& path, std::uint32_t seed, const std::vector<ScanPoint>& points)
{
    std::ofstream file(PathFromUtf8(path), std::ios::binary | std::ios::app);
    for (const ScanPoint& point : points) {
        file << seed << ',' << SeededRandomState(seed).value << ',' << ExactNumberText(point.energyKeV) << ','
             << point.launched << ',' << point.detected << ','
             << ExactNumberText(point.responseLowerKeV.value_or(0.0)) << ','
             << ExactNumberText(point.responseUpperKeV.value_or(0.0)) << '\n';
    }
}

std::vector<ScanPoint> MeasuredRun(const Arguments& arguments, std::uint32_t seed)
{
    ScanOptions options = arguments.options;
    options.seed = seed;
    Simulation sim;
    PrepareSimulation(options, 0.0, sim);
    return MeasureScan(sim, ScanPlanOf(options), ThreadsToUse(options));
}

std::string CoverageCsv(const CoverageTally& tally)
{
    std::string csv = "energy_keV,true_per_keV,runs,covered,share,mean_width_per_keV,mean_detected\n";
    for (std::size_t i = 0; i < tally.energiesKeV.size(); ++i) {
        csv += ExactNumberText(tally.energiesKeV[i]) + "," + ExactNumberText(tally.truePerKeV[i]) + ","
            + std::to_string(tally.runs) + "," + std::to_string(tally.covered[i]) + ","
            + ExactNumberText(tally.Share(i)) + "," + ExactNumberText(tally.MeanWidth(i)) + ","
            + ExactNumberText(tally.MeanDetected(i)) + "\n";
    }
    return csv;
}

void PrintTable(const CoverageTally& tally)
{
    std::printf("   E (keV)   valódi/keV  lefedés  átl. szélesség/keV  átl. beütés\n");
    for (std::size_t i = 0; i < tally.energiesKeV.size(); ++i) {
        std::printf("%10s %12s %8s%% %19s %12s\n", ReaderFixedText(tally.energiesKeV[i], 3).c_str(),
                    ReaderFixedText(tally.truePerKeV[i], 2).c_str(), ReaderFixedText(100 * tally.Share(i), 0).c_str(),
                    ReaderFixedText(tally.MeanWidth(i), 2).c_str(), ReaderFixedText(tally.MeanDetected(i), 1).c_str());
    }
    std::printf("%d futás; legkisebb lefedés %s%%, összesen %s%%, átlagos szélesség %s /keV\n", tally.runs,
                ReaderFixedText(100 * tally.SmallestShare(), 0).c_str(),
                ReaderFixedText(100 * tally.OverallShare(), 1).c_str(), ReaderFixedText(tally.MeanWidth(), 2).c_str());
    std::printf("Egy futásban ennyi pontnál esett a valódi érték az intervallumon kívül:");
    const char* separator = "";
    for (std::size_t missed = 0; missed < tally.runsMissing.size(); ++missed) {
        if (tally.runsMissing[missed] > 0) {
            std::printf("%s %zu pont %d futásban", separator, missed, tally.runsMissing[missed]);
            separator = ",";
        }
    }
    std::printf("; átlagosan %s pont\n",
                ReaderFixedText((1.0 - tally.OverallShare()) * static_cast<double>(tally.energiesKeV.size()), 2).c_str());
}

// What the shares can and cannot show with this many runs, and where the
// intervals are weak.
void PrintLimits(const CoverageTally& tally)
{
    const int runs = tally.runs;
    if (LeastCoverageOfAFullShare(runs) < NominalCoverage) {
        std::printf("%d futás kevés a névleges 95%% kimutatásához: még ha egy energián minden futás intervalluma "
                    "tartalmazza is a valódi értéket, a valódi lefedés akár %s%% is lehet (95%%-os alsó "
                    "korlát).\n",
                    runs, ReaderFixedText(100 * LeastCoverageOfAFullShare(runs), 0).c_str());
    }
    std::printf("Valódi 95%%-os lefedésnél egy energián a mért lefedés szórása ±%s%%, és %s%% alá csak "
                "%s%% eséllyel esik.\n",
                ReaderFixedText(100 * ShareDeviation(runs), 1).c_str(), ReaderFixedText(100 * RareShare(runs), 0).c_str(),
                ReaderFixedText(100 * ChanceBelowRareShare(runs), 2).c_str());
    std::string few;
    for (std::size_t i = 0; i < tally.energiesKeV.size(); ++i) {
        if (tally.MeanDetected(i) < FewCounts)
            few += (few.empty() ? "" : ", ") + FixedText(tally.energiesKeV[i], 1, 0);
    }
    if (!few.empty()) {
        std::printf("Kevés beütés: %s keV-nél egy pontra átlagosan kevesebb mint %.0f beütés jutott; az intervallum ott "
                    "a beütések gaussi hibájával számol, ami ennyi beütésnél csak durva közelítés, így a lefedés ott "
                    "a névlegesnél kisebb is lehet.\n",
                    few.c_str(), FewCounts);
    }
}

}

int main(int argc, char** argv)
{
    const auto read = ReadArguments(Utf8Arguments(argc, argv));
    if (std::holds_alternative<HelpAsked>(read)) {
        std::printf("%s", HelpText().c_str());
        return 0;
    }
    if (const auto* error = std::get_if<std::string>(&read)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 2;
    }
    const Arguments& arguments = std::get<Arguments>(read);
    const ScanOptions& options = arguments.options;
    Simulation reference;
    if (auto error = PrepareSimulation(options, 0.0, reference)) {
        std::fprintf(stderr, "%s\n", Ours(*error).c_str());
        return 2;
    }
    if (auto refusal = RefuseUnfolding(reference, ScanPlanOf(options))) {
        std::fprintf(stderr, "%s\n", Ours(UnfoldingRefusalText(*refusal)).c_str());
        return 2;
    }

    Runs kept;
    if (!arguments.countsPath.empty()) {
        std::variant<Runs, std::string> counts = KeptCounts(arguments.countsPath, SettingLine(options));
        if (const auto* error = std::get_if<std::string>(&counts)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return 2;
        }
        kept = std::move(std::get<Runs>(counts));
    }
    CoverageTally tally;
    for (std::uint32_t seed = arguments.firstSeed; seed - arguments.firstSeed < arguments.seeds; ++seed) {
        std::vector<ScanPoint> points = kept[seed];
        if (points.size() != ScanEnergies(options).size()) {
            std::fprintf(stderr, "\rmérés: %u. kezdőpont (%u közül)", seed - arguments.firstSeed + 1, arguments.seeds);
            points = MeasuredRun(arguments, seed);
            if (!arguments.countsPath.empty())
                AppendCounts(arguments.countsPath, seed, points);
        }
        CompareWithSource(points, reference.source);
        UnfoldScan(points, reference.source);
        tally.Add(points);
    }
    std::fprintf(stderr, "\n");

    PrintTable(tally);
    PrintLimits(tally);

    if (!options.csvPath.empty()) {
        if (auto error = WriteOutputFile(options.csvPath, CoverageCsv(tally), "a CSV-fájl")) {
            std::fprintf(stderr, "%s\n", Ours(*error).c_str());
            return 1;
        }
    }
    if (!options.plotPath.empty()) {
        const std::string title = "Lefedés – " + reference.source.Name + ", " + std::to_string(options.fieldMicrotesla)
            + " µT, a Blende lépése " + std::to_string(options.slitStep);
        if (auto error = WriteOutputFile(options.plotPath, CoveragePlotPng(tally, title), "a rajz")) {
            std::fprintf(stderr, "%s\n", Ours(*error).c_str());
            return 1;
        }
    }
    return 0;
}
