#include <gtest/gtest.h>

#include <cstdio>
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
    EXPECT_NE(band.output.find("\"passLowerKeV\": 46.74"), std::string::npos) << band.output;

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

}
