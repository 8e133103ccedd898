#include "cli/evidence/evidence_options.h"

#include <gtest/gtest.h>

namespace {

TEST(EvidenceOptions, TakePathsAndTheTwoOutputs)
{
    const auto parsed =
        ParseEvidenceOptions({"evidence", "terem", "--csv", "a.csv", "-x.jpg", "--html", "a.html", "21/01.jpg"});
    ASSERT_TRUE(std::holds_alternative<EvidenceOptions>(parsed));
    const auto& options = std::get<EvidenceOptions>(parsed);
    EXPECT_EQ(options.paths, (std::vector<std::string>{"terem", "-x.jpg", "21/01.jpg"}));
    EXPECT_EQ(options.csvPath, "a.csv");
    EXPECT_EQ(options.htmlPath, "a.html");
}

}
