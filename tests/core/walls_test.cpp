#include "core/anchors.h"
#include "core/walls.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

WallTable BuiltWalls(int jawWidth)
{
    WallTable table;
    table.JawWidth = jawWidth;
    BuildCrossWalls(table);
    BuildSideWalls(table);
    return table;
}

TEST(Walls, TableInMetres)
{
    const WallTable t = BuiltWalls(30);
    EXPECT_DOUBLE_EQ(t.Walls[4].X1, -0.033);
    EXPECT_DOUBLE_EQ(t.Walls[4].Y1, 0.165);
    EXPECT_DOUBLE_EQ(t.Walls[5].X2, 0.033);
    EXPECT_DOUBLE_EQ(t.Walls[7].Y1, -0.0495);
    EXPECT_DOUBLE_EQ(t.Walls[8].Y1, 0.1655);
    EXPECT_DOUBLE_EQ(t.Walls[9].Y1, 0.175);
    EXPECT_DOUBLE_EQ(t.Walls[11].X1, -0.0255);
    EXPECT_DOUBLE_EQ(t.Walls[11].Y1, -0.05);
    EXPECT_DOUBLE_EQ(t.Walls[11].Y2, 0.1665);
    EXPECT_DOUBLE_EQ(t.Walls[14].X1, 0.0255);
    EXPECT_DOUBLE_EQ(t.Walls[8].Y1 - t.Walls[7].Y1, 0.215);
    for (int n : {4, 5, 7, 8, 9})
        EXPECT_EQ(t.Walls[n].Y1, t.Walls[n].Y2) << "horizontal wall " << n;
    for (int n : {11, 14})
        EXPECT_EQ(t.Walls[n].X1, t.Walls[n].X2) << "vertical wall " << n;
}

TEST(Walls, JawEndsFollowTheSlitAndStayMirrored)
{
    const WallTable narrow = BuiltWalls(30);
    EXPECT_DOUBLE_EQ(narrow.Walls[4].X2, -0.001);
    EXPECT_DOUBLE_EQ(narrow.Walls[5].X1, 0.001);
    const WallTable wide = BuiltWalls(11);
    EXPECT_DOUBLE_EQ(wide.Walls[4].X2, -0.0105);
    EXPECT_DOUBLE_EQ(wide.Walls[5].X1, 0.0105);
    for (int w = 11; w <= 30; ++w) {
        const WallTable t = BuiltWalls(w);
        EXPECT_EQ(t.Walls[4].X2, -t.Walls[5].X1) << "jaw width " << w;
        EXPECT_EQ(t.Walls[4].X1, -t.Walls[5].X2) << "jaw width " << w;
    }
}

TEST(Walls, SetsNameOnlyTheApparatusWalls)
{
    const WallSet all = FieldWalls | EntryWalls | ExitWalls | DetectorWalls;
    WallSet expected = 0;
    for (int n : {4, 5, 7, 8, 9, 11, 14})
        expected |= WallBit(n);
    EXPECT_EQ(all, expected);
    EXPECT_EQ(FieldWalls & (EntryWalls | ExitWalls | DetectorWalls), 0);
}

TEST(Anchors, HalvesRoundToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(PixelXOf(2.5 * MetresPerPixel), 202);
    EXPECT_EQ(PixelXOf(3.5 * MetresPerPixel), 204);
}

TEST(Anchors, RoundingBeyondTheIntRangeHoldsAtItsEnds)
{
    constexpr int Largest = std::numeric_limits<int>::max();
    constexpr int Smallest = std::numeric_limits<int>::min();
    EXPECT_EQ(RoundHalfEven(2147483647.0), Largest);
    EXPECT_EQ(RoundHalfEven(-2147483648.0), Smallest);
    EXPECT_EQ(RoundHalfEven(2147483647.5), Largest);
    EXPECT_EQ(RoundHalfEven(1e300), Largest);
    EXPECT_EQ(RoundHalfEven(-std::numeric_limits<double>::infinity()), Smallest);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Anchors, FarPointsKeepPixelsWithinAnInt)
{
    EXPECT_EQ(PixelXOf(1e6 * MetresPerPixel), 1000200);
    EXPECT_EQ(PixelYOf(-1e6 * MetresPerPixel), -999700);
    EXPECT_EQ(PixelXOf(1e300), FarthestPixel + 200);
    EXPECT_EQ(PixelYOf(1e300), FarthestPixel + 300);
    EXPECT_EQ(PixelXOf(-1e300), -FarthestPixel + 200);
    EXPECT_EQ(PixelYOf(std::numeric_limits<double>::quiet_NaN()), 300);
    EXPECT_GT(std::numeric_limits<int>::max() - PixelYOf(1e300), 0);
}

TEST(Anchors, LaunchPointIsPixel200x200)
{
    EXPECT_EQ(LaunchY(), -0.05);
    EXPECT_EQ(PixelXOf(0.0), 200);
    EXPECT_EQ(PixelYOf(LaunchY()), 200);
}

}
