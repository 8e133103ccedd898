#include "cli/scan/scan_options.h"

#include <gtest/gtest.h>

namespace {

ParsedOptions<ScanOptions> ParseScan(const std::string& to, std::vector<std::string> more = {})
{
    std::vector<std::string> arguments{"scan", "--field", "1000", "--from", "10", "--to", to, "--step", "10"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return ParseScanOptions(arguments);
}

TEST(ScanOptions, AreReadIntoTheirFieldsAndGiveTheEnergies)
{
    const auto parsed = ParseScan("150", {"--slit", "5", "--count", "100", "--csv", "a.csv", "--plot", "a.png",
                                          "--threads", "2", "--source", "p32.for", "--unfold", "--seed", "4294967295"});
    ASSERT_TRUE(std::holds_alternative<ScanOptions>(parsed));
    const auto& options = std::get<ScanOptions>(parsed);
    EXPECT_EQ(options.slitStep, 5);
    EXPECT_EQ(options.count, 100);
    EXPECT_EQ(options.threads, 2);
    EXPECT_EQ(options.csvPath, "a.csv");
    EXPECT_EQ(options.plotPath, "a.png");
    EXPECT_EQ(options.sourcePath, "p32.for");
    EXPECT_TRUE(options.unfold);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(ScanEnergies(options).size(), 15u);
    EXPECT_EQ(ScanEnergies(options).back(), 150.0);
}

TEST(ScanOptions, EnergiesKeepTheLastPointDespiteRounding)
{
    ScanOptions options;
    options.fromKeV = 0.1;
    options.toKeV = 0.7;
    options.stepKeV = 0.1;
    EXPECT_EQ(ScanEnergies(options).size(), 7u);
    options.toKeV = 0.1;
    EXPECT_EQ(ScanEnergies(options).size(), 1u);
}

// The refusal counts the points as the scan does: an end just below the
// limit no longer lets one point more through.
TEST(ScanOptions, AScanHasAtMostOneHundredThousandPoints)
{
    const auto most = ParseScanOptions({"scan", "--field", "1", "--from", "0", "--to", "99999", "--step", "1"});
    ASSERT_TRUE(std::holds_alternative<ScanOptions>(most));
    EXPECT_EQ(ScanEnergies(std::get<ScanOptions>(most)).size(), 100000u);
    for (const char* beyond : {"99999.9999999995", "100000"}) {
        const auto refused = ParseScanOptions({"scan", "--field", "1", "--from", "0", "--to", beyond, "--step", "1"});
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(refused)) << beyond;
        EXPECT_NE(std::get<CommandLineError>(refused).message.find("túl sok pont"), std::string::npos);
    }
}

}
