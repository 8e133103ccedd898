#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    int status;
    std::string output;   // standard output and standard error together
};

Outcome RunCli(const std::string& arguments)
{
    const std::string command = std::string(VANTOR_CLI_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    Outcome outcome{-1, {}};
    if (!pipe)
        return outcome;
    char buffer[4096];
    std::size_t read;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        outcome.output.append(buffer, read);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
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
              "Energiaablak szélessége (keV):      7.122\n");
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
    EXPECT_NE(noField.output.find("\"passWidthKeV\": null}"), std::string::npos) << noField.output;
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
    const Outcome scan = RunCli("scan --field 1000 --slit 5 --from 40 --to 60 --step 10 --count 2000 --csv " + csv
                                + " --plot " + png);
    ASSERT_EQ(scan.status, 0) << scan.output;
    const Outcome measure = RunCli("measure --energy 40 --field 1000 --slit 5 --count 2000 --json");
    const std::string detected = measure.output.substr(measure.output.find("\"detected\": ") + 12);
    const std::string count = detected.substr(0, detected.find(','));

    const std::string table = FileText(csv);
    EXPECT_EQ(table.substr(0, table.find('\n')),
              "energy_keV,launched,detected,pass_lower_keV,pass_upper_keV,pass_width_keV,rate_per_keV,"
              "rate_error_per_keV,source_intensity,source_scaled");
    EXPECT_NE(table.find("\n40,2000," + count + ","), std::string::npos) << table << measure.output;
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
                          Case{header + "0.1\t1\n0.05\t2\n", ", 4. sor: az energiák nem növekvő sorrendűek"},
                          Case{header + "0\t1\n", ", 4. sor: legalább két táblázatsor kell"},
                          Case{"Forrás\n0,2\n0\t1\n0.1\t0\n", ", 2. sor: '0,2' is not a valid floating point value"}}) {
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

TEST(VantorCli, UnwritableOutputsFail)
{
    const Outcome outcome = RunCli("scan --field 1000 --from 10 --to 10 --step 1 --count 10 --csv /nincs/ilyen/a.csv");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.output.find("vantor-cli: a CSV-fájl nem írható: /nincs/ilyen/a.csv"), std::string::npos);
}

}
