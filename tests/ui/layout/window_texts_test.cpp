#include "ui/layout/window_texts.h"

#include <gtest/gtest.h>

namespace {

// A file may be named "100%2.for": its name is shown as it is, not filled in turn.
TEST(FilledText, FillsEachMarkOnceEvenWhenAFillingHoldsAMark)
{
    EXPECT_EQ(FilledText(SourceUnusableMessage, {"C:\\100%2%1.for", "3", "nincs TAB"}),
              "A forrásfájl nem használható:\nC:\\100%2%1.for\n3. sor: nincs TAB.");
}

TEST(FilledText, LeavesAPercentSignWithoutAFillingAsItIs)
{
    EXPECT_EQ(FilledText("95% és %2", {"a"}), "95% és %2");
}

}
