#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Outcome = ProgramOutcome;

// Standard output and standard error together, as a user sees them.
Outcome RunCli(const std::string& arguments)
{
    return RunProgram(VANTOR_CLI_PATH, arguments);
}

TEST(VantorCli, MeasuresAsAFreshStart)
{
    const Outcome outcome = RunCli("measure --energy 50 --field 1000 --slit 0 --count 10000");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.output,
              "Kibocsátott: 10000\n"
              "Beütésszám: 677\n"
              "E_min (keV):     46.741\n"
              "E_max (keV):     53.863\n"
              "Energiaablak szélessége (keV):      7.122\n"
              "Várható beütésszám: 719.3\n"
              "Eltérés a várhatótól (szórásban): -1.64\n");
}

TEST(VantorCli, JsonReport)
{
    const Outcome band = RunCli("measure --energy 50 --field 1000 --count 100 --json");
    EXPECT_EQ(band.status, 0);
    EXPECT_NE(band.output.find("\"launched\": 100,"), std::string::npos) << band.output;
    // The band to the electronvolt, as the window's readouts show it.
    EXPECT_NE(band.output.find("\"passLowerKeV\": 46.741, \"passUpperKeV\": 53.863, \"passWidthKeV\": 7.122"),
              std::string::npos)
        << band.output;

    const Outcome noField = RunCli("measure --energy 50 --field 0 --count 10 --json");
    EXPECT_NE(noField.output.find("\"passWidthKeV\": null, \"expectedDetected\": null, \"pull\": null, \"seed\": 0}"),
              std::string::npos)
        << noField.output;
}

double JsonValue(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\": ");
    return at == std::string::npos ? -1.0 : std::stod(json.substr(at + key.size() + 4));
}

// A flat spectrum to its endpoint at 160 keV, drawn from 0.1 keV on: the
// expected count is the band's share of it, up to the clamped upper edge;
// the search finds the lower edge to about an electronvolt, 0.006 counts here.
TEST(VantorCli, ExpectedCountIntegratesTheDrawnDensityOverTheWholeBand)
{
    QTemporaryDir folder;
    const std::string flat = folder.filePath("flat.for").toStdString();
    std::ofstream(flat) << "Lapos\n0.16\n0\t1\n0.16\t1\n";
    const std::string json = RunCli("measure --energy 130 --field 1000 --slit 10 --count 1000 --json --source " + flat)
                                 .output;
    EXPECT_EQ(JsonValue(json, "passUpperKeV"), 160.0);
    EXPECT_NEAR(JsonValue(json, "expectedDetected"), 1000 * (160.0 - JsonValue(json, "passLowerKeV")) / 159.9, 0.007);

    // C-14 as computed independently; the band's edges are known to 1 eV,
    // which is worth about one count here.
    const std::string carbon = RunCli("measure --energy 50 --field 1000 --count 100000 --json").output;
    EXPECT_EQ(JsonValue(carbon, "detected"), 7272);
    EXPECT_NEAR(JsonValue(carbon, "expectedDetected"), 7193.4, 1.2);
}

TEST(VantorCli, BadArgumentsExitWithStatus2AndOneLine)
{
    for (const char* arguments : {"measure --energy -5 --field 1", "measure --energy 5 --field 1.5",
                                  "measure --energy 5 --field 1 --slit 20", "measure --energy 5 --field 1 --count 0",
                                  "measure --energy 5 --field 1 --bogus", "frobnicate", ""}) {
        const Outcome outcome = RunCli(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments;
        EXPECT_EQ(outcome.output.find('\n'), outcome.output.size() - 1) << arguments;
    }
}

TEST(VantorCli, VersionAndHelp)
{
    EXPECT_EQ(RunCli("--version").output, "2.2.0.3\n");
    const Outcome help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--count"), std::string::npos);
    const Outcome scanHelp = RunCli("scan --field 1 --help");
    EXPECT_EQ(scanHelp.status, 0);
    EXPECT_NE(scanHelp.output.find("\n  --unfold "), std::string::npos) << scanHelp.output;

    // The folder the help names holds the shipped sources.
    const std::string files = "Fájlok:\n  ";
    const std::size_t folderAt = help.output.find(files);
    ASSERT_NE(folderAt, std::string::npos) << help.output;
    const std::size_t start = folderAt + files.size();
    const std::string folder = help.output.substr(start, help.output.find('\n', start) - start);
    for (const char* source : {"c14.for", "p32.for", "sr90.for"})
        EXPECT_TRUE(std::ifstream(folder + "/" + source).good()) << folder << '/' << source;
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Written(const QTemporaryDir& folder, const std::string& name, const std::string& text)
{
    const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path) << text;
    return path;
}

TEST(VantorCli, ScanCountsDoNotDependOnTheThreads)
{
    const std::string scan = "scan --field 1000 --slit 5 --from 10 --to 50 --step 20 --count 3000";
    const Outcome single = RunCli(scan + " --threads 1");
    const Outcome shared = RunCli(scan + " --threads 2");
    EXPECT_EQ(single.status, 0);
    EXPECT_EQ(single.output, shared.output);
    EXPECT_NE(single.output.find("   10.000"), std::string::npos);
    EXPECT_NE(single.output.find("   50.000"), std::string::npos);
}

TEST(VantorCli, ScanFirstPointIsAMeasurement)
{
    QTemporaryDir folder;
    const std::string csv = folder.filePath("scan.csv").toStdString();
    const std::string png = folder.filePath("scan.png").toStdString();
    const Outcome scan = RunCli("scan --field 1000 --slit 5 --from 40 --to 60 --step 10 --count 2000 --seed 3 --csv "
                                + csv + " --plot " + png);
    ASSERT_EQ(scan.status, 0) << scan.output;
    const Outcome measure = RunCli("measure --energy 40 --field 1000 --slit 5 --count 2000 --seed 3 --json");
    const std::string detected = measure.output.substr(measure.output.find("\"detected\": ") + 12);
    const std::string count = detected.substr(0, detected.find(','));

    const std::string table = FileText(csv);
    EXPECT_EQ(table.substr(0, table.find('\n')),
              "energy_keV,launched,detected,pass_lower_keV,pass_upper_keV,pass_width_keV,rate_per_keV,"
              "rate_error_per_keV,source_intensity,source_scaled,response_lower_keV,response_upper_keV,"
              "expected_detected,pull,unfolded_per_keV,unfolded_error_per_keV,unfolded_lower_per_keV,"
              "unfolded_upper_per_keV,true_per_keV,seed");
    EXPECT_NE(table.find("\n40,2000," + count + ","), std::string::npos) << table << measure.output;
    EXPECT_EQ(table.substr(table.size() - 3), ",3\n");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 4);
    EXPECT_EQ(FileText(png).substr(1, 3), "PNG");
}

TEST(VantorCli, ShippedSourceFileMeasuresAsTheBuiltIn)
{
    const std::string arguments = "measure --energy 50 --field 1000 --count 2000";
    EXPECT_EQ(RunCli(arguments + " --source " VANTOR_DATA_DIR "/sources/c14.for").output, RunCli(arguments).output);
}

TEST(VantorCli, UnusableSourceFilesAreRefusedWithFileAndLine)
{
    QTemporaryDir folder;
    const std::string header = "Forrás\n0.2\n";
    struct Case {
        std::string text;
        std::string expected;
    };
    for (const Case& c : {Case{header + "0\t1\n0.1 2\n", ", 4. sor: nincs TAB"},
                          Case{header + "0\t1\nabc\t2\n", ", 4. sor: az energia nem szám: 'abc'"},
                          Case{header + "0\t1\n0.1\tx\n", ", 4. sor: az intenzitás nem szám: 'x'"},
                          Case{header + "0\t1\n0.1\t-2\n", ", 4. sor: az intenzitás negatív"},
                          Case{header + "0.1\t1\n0.05\t2\n", ", 4. sor: az energia nem nagyobb, mint az előző soré"},
                          Case{header + "0\t1\n", ", 4. sor: legalább két táblázatsor kell"},
                          Case{"Forrás\n0,2\n0\t1\n0.1\t0\n", ", 2. sor: a határenergia nem szám (MeV, tizedesponttal): '0,2'"}}) {
        const std::string path = Written(folder, "bad.for", c.text);
        for (const std::string command : {"measure --energy 50 --field 1000", "scan --field 1000 --from 10 --to 20 --step 10"}) {
            const Outcome outcome = RunCli(command + " --count 10 --source " + path);
            EXPECT_EQ(outcome.status, 2) << c.text;
            EXPECT_EQ(outcome.output.rfind("vantor-cli: a forrásfájl nem használható: " + path + c.expected, 0), 0u)
                << outcome.output;
            EXPECT_EQ(std::count(outcome.output.begin(), outcome.output.end(), '\n'), 1);
        }
    }
    const Outcome missing = RunCli("measure --energy 50 --field 1000 --source /nincs/ilyen.for");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "vantor-cli: a forrásfájl nem olvasható: /nincs/ilyen.for: nincs ilyen fájl\n");
}

// Up to the pulls, column 14.
std::string CountColumns(const std::string& csv)
{
    std::istringstream lines(csv);
    std::string line;
    std::string kept;
    while (std::getline(lines, line)) {
        std::size_t at = 0;
        for (int comma = 0; comma < 14 && at != std::string::npos; ++comma)
            at = line.find(',', at + 1);
        kept += line.substr(0, at) + "\n";
    }
    return kept;
}

// Of a source that is nothing like a beta spectrum: two separated peaks.
TEST(VantorCli, UnfoldingAddsEstimatesAndLeavesTheCountsAlone)
{
    QTemporaryDir folder;
    const std::string plain = folder.filePath("plain.csv").toStdString();
    const std::string unfolded = folder.filePath("unfolded.csv").toStdString();
    const std::string scan = "scan --field 2000 --slit 2 --from 10 --to 150 --step 20 --count 3000 --source "
                             VANTOR_TEST_DATA_DIR "/two_peaks.for --csv ";
    ASSERT_EQ(RunCli(scan + plain).status, 0);
    const Outcome shown = RunCli(scan + unfolded + " --unfold");
    ASSERT_EQ(shown.status, 0);
    EXPECT_EQ(CountColumns(FileText(plain)), CountColumns(FileText(unfolded)));
    EXPECT_NE(FileText(plain).find(",,,"), std::string::npos);
    EXPECT_EQ(FileText(unfolded).find(",,"), std::string::npos) << FileText(unfolded);

    // The terminal shows each point's 95 % interval as the CSV gives it,
    // next to last before the true value.
    std::istringstream csv(FileText(unfolded));
    std::istringstream table(shown.output);
    std::string row;
    std::getline(csv, row);
    std::getline(table, row);
    int points = 0;
    while (std::getline(csv, row)) {
        std::vector<double> fields;
        std::istringstream cells(row);
        for (std::string cell; std::getline(cells, cell, ',');)
            fields.push_back(std::stod(cell));
        std::getline(table, row);
        std::vector<double> columns;
        std::istringstream words(row);
        for (double column; words >> column;)
            columns.push_back(column);
        ASSERT_EQ(fields.size(), 20u);
        ASSERT_EQ(columns.size(), 15u) << row;
        EXPECT_NEAR(columns[12], fields[16], 0.005) << row;
        EXPECT_NEAR(columns[13], fields[17], 0.005) << row;
        ++points;
    }
    EXPECT_EQ(points, 8);
}

TEST(VantorCli, UnfoldingRefusesScansItCannotRead)
{
    QTemporaryDir folder;
    const std::string csv = folder.filePath("scan.csv").toStdString();
    struct Case {
        std::string scan;
        std::string message;
    };
    for (const Case& c : {Case{"--field 1000 --from 10 --to 40 --step 10",
                               "vantor-cli: az --unfold legalább 5 mérési pontot kíván, de a pásztázásnak csak 4 pontja van\n"},
                          Case{"--field 0 --from 10 --to 50 --step 10",
                               "vantor-cli: az --unfold mágneses indukció nélkül nem használható: 0 µT mellett nincs "
                               "energiaablak\n"},
                          Case{"--field 1000 --from 0 --to 40 --step 10",
                               "vantor-cli: az --unfold nem használható: 0 keV-nél nincs energiaablak (az alsó "
                               "széle nem volna pozitív)\n"},
                          Case{"--field 1000 --from 300 --to 500 --step 50",
                               "vantor-cli: az --unfold nem használható: a pásztázás egyik energiaablaka sem fedi át a "
                               "forrás spektrumát\n"}}) {
        const Outcome outcome = RunCli("scan " + c.scan + " --count 10 --unfold --csv " + csv);
        EXPECT_EQ(outcome.status, 2) << c.scan;
        EXPECT_EQ(outcome.output, c.message);
        EXPECT_FALSE(std::ifstream(csv).good()) << c.scan;
    }
}

TEST(VantorCli, UnwritableOutputsFail)
{
    const Outcome outcome = RunCli("scan --field 1000 --from 10 --to 10 --step 1 --count 10 --csv /nincs/ilyen/a.csv");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.output.find("vantor-cli: a CSV-fájl nem írható: nincs ilyen mappa (/nincs/ilyen/a.csv)"), std::string::npos);
}

}
