#include "core/anchors.h"
#include "core/flight.h"
#include "core/particle.h"
#include "core/settings_rules.h"
#include "tests/support/simulation_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Flies one 50 keV-class particle from the launch point with tracks shown, so
// that every field step draws one piece.
class FlightTest : public SimulationTest {
protected:
    ParticleState Fly(double megaElectronVolts, double magneticField, double electricField)
    {
        sim->filter.magneticField = magneticField;
        sim->filter.electricField = electricField;
        ParticleState p = LaunchedAt(megaElectronVolts);
        outcome = DriveParticle(*sim, p);
        return p;
    }

    FlightOutcome outcome = FlightOutcome::Left;

    // The free-flight step draws one more piece than the field steps.
    int FieldSteps(const ParticleState& p) const
    {
        return static_cast<int>(view.pieces.size()) - (p.Phase == InFreeFlight ? 1 : 0);
    }
};

TEST_F(FlightTest, WithoutFieldsTheParticleFliesStraightToTheDetector)
{
    const ParticleState p = Fly(0.05, 0, 0);
    EXPECT_EQ(FieldSteps(p), 51);
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(p.X, 0.0);
    EXPECT_EQ(p.Y, sim->walls.Walls[DetectorFaceWall].Y1);
    EXPECT_EQ(outcome, FlightOutcome::Detected);
    EXPECT_EQ(sim->run.detectedCount, 1);
    EXPECT_EQ(view.detected, (std::vector<std::int32_t>{1}));
    const double dt = p.T / 50;   // T keeps the time of the step before the exit
    EXPECT_NEAR(dt, 3.4756e-11, 0.0001e-11);
}

TEST_F(FlightTest, ExitLineCrossingInStep51)
{
    sim->filter = {};
    ParticleState p = LaunchedAt(0.05);
    EXPECT_FALSE(FieldPhase(*sim, p));
    EXPECT_EQ(p.Phase, InFreeFlight);
    EXPECT_TRUE(p.Alive);
    EXPECT_EQ(p.X, 0.0);
    EXPECT_DOUBLE_EQ(p.Y, 0.1655);
    EXPECT_EQ(view.pieces.size(), 51u);
}

TEST_F(FlightTest, BalancedFieldsLetThePassEnergyThrough)
{
    const double magneticField = 0.001;
    const double electricField = PassElectricField(0.05 * JoulesPerMeV, magneticField);
    EXPECT_NEAR(electricField, 123720.2, 0.1);
    const ParticleState p = Fly(0.05, magneticField, electricField);
    EXPECT_EQ(sim->run.detectedCount, 1);
    EXPECT_NEAR(p.X, 0.0, 1e-6);
}

TEST_F(FlightTest, MagneticFieldBendsIntoTheLeftPlate)
{
    const ParticleState p = Fly(0.05, 0.01, 0);
    EXPECT_EQ(FieldSteps(p), 15);
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(p.X, sim->walls.Walls[LeftPlateWall].X1);
    EXPECT_NEAR(p.Y, 0.00416, 0.00001);
    EXPECT_EQ(sim->run.detectedCount, 0);
    EXPECT_EQ(outcome, FlightOutcome::Absorbed);
}

TEST_F(FlightTest, ElectricFieldPushesIntoTheRightPlate)
{
    const ParticleState p = Fly(0.05, 0, 200000);
    EXPECT_EQ(FieldSteps(p), 35);
    EXPECT_EQ(p.X, sim->walls.Walls[RightPlateWall].X1);
    EXPECT_NEAR(p.Y, 0.0990, 0.00005);
    EXPECT_EQ(sim->run.detectedCount, 0);
}

TEST_F(FlightTest, StrongElectricFieldShortensTheSteps)
{
    // At 5e7 V/m the electric limit, a tenth of m0·v/(qE), makes the steps
    // 1.4069e-12 s (0.17 mm) long: the entry line, crossed in step 3, is not
    // tested yet, and the right plate is reached where (qE/m0)·t²/2 = 0.0255 m,
    // at t = 7.615e-11 s, in step 55.
    const ParticleState p = Fly(0.05, 0, 5e7);
    EXPECT_EQ(FieldSteps(p), 55);
    EXPECT_EQ(p.X, sim->walls.Walls[RightPlateWall].X1);
    EXPECT_NEAR(p.Y, -0.05 + p.Speed * 7.615e-11, 0.00001);
    EXPECT_NEAR(p.T / 54, 1.4069e-12, 0.0001e-12);
}

TEST_F(FlightTest, WeakElectricFieldShiftsTheTrack)
{
    sim->filter.electricField = 1000;
    ParticleState p = LaunchedAt(0.05);
    FieldPhase(*sim, p);
    ASSERT_EQ(p.Phase, InFreeFlight);
    EXPECT_NEAR(p.X, 0.000267, 0.0000005);
    EXPECT_EQ(FreeFlightStep(*sim, p), FlightOutcome::Detected);
    EXPECT_NEAR(p.X, 0.000291, 0.0000005);
    EXPECT_EQ(sim->run.detectedCount, 1);
}

TEST_F(FlightTest, WeakMagneticFieldLeavesAlongItsCircle)
{
    // At 20 µT the track is a circle of radius m0·v/(qB) = 35.17 m bending
    // to −x. It crosses the exit line 0.2155 m below the launch, at
    // x = −(r − √(r² − 0.2155²)) = −0.660 mm, and goes on along the circle's
    // tangent to the detector face 0.0095 m lower, at −0.718 mm.
    const ParticleState p = Fly(0.05, 2e-5, 0);
    EXPECT_EQ(sim->run.detectedCount, 1);
    EXPECT_NEAR(p.X, -0.000718, 0.000003);
}

TEST_F(FlightTest, TightCirclesAreAbsorbedByTheEntryLineFromStep4)
{
    const ParticleState p = Fly(0.05, 0.5, 0);
    EXPECT_EQ(FieldSteps(p), 5);
    EXPECT_FALSE(p.Alive);
    EXPECT_DOUBLE_EQ(p.Y, -0.0495);
    // The time step is a tenth of the gyration period.
    const double omega = ElementaryCharge * 0.5 / ElectronMass;
    EXPECT_NEAR(0.6283185307179586 / omega, 7.1448e-12, 0.0001e-12);
    EXPECT_NEAR(p.T, 4 * 7.1448e-12, 0.001e-12);

    // At 1 T the radius is 0.70 mm: the track comes back up through the entry
    // line 0.5 mm below the launch at 135° of the circle, in step 4, the first
    // step that tests it.
    view.pieces.clear();
    const ParticleState tighter = Fly(0.05, 1.0, 0);
    EXPECT_EQ(FieldSteps(tighter), 4);
    EXPECT_DOUBLE_EQ(tighter.Y, -0.0495);
}

TEST_F(FlightTest, CircleInsideTheFilterRunsOutOfSteps)
{
    const ParticleState p = Fly(0.05, 2, 0);
    EXPECT_EQ(FieldSteps(p), 1000);
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(p.Phase, InFieldRegion);
    EXPECT_NEAR(p.X, 0.0, 0.001);
    EXPECT_NEAR(p.Y, -0.05, 0.001);
    EXPECT_EQ(sim->run.detectedCount, 0);
}

TEST_F(FlightTest, OffAxisParticleStopsOnTheSlitJawBeforeTheExitLine)
{
    sim->filter = {};
    ParticleState p = LaunchedAt(0.05);
    p.X = p.X0 = p.PrevX = -0.01;
    DriveParticle(*sim, p);
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(p.Phase, InFieldRegion);
    EXPECT_DOUBLE_EQ(p.Y, 0.165);
    EXPECT_EQ(sim->run.detectedCount, 0);
}

TEST_F(FlightTest, TracksAreDrawnFromTheLaunchPixelOnlyWhenShown)
{
    Fly(0.05, 0, 0);
    ASSERT_FALSE(view.pieces.empty());
    EXPECT_EQ(view.pieces.front().fromX, 200);
    EXPECT_EQ(view.pieces.front().fromY, 200);
    for (std::size_t i = 1; i < view.pieces.size(); ++i) {
        EXPECT_EQ(view.pieces[i].fromX, view.pieces[i - 1].toX);
        EXPECT_EQ(view.pieces[i].fromY, view.pieces[i - 1].toY);
        EXPECT_EQ(view.pieces[i].colour, TrackRed);
    }
    // The detected particle's last piece ends on the detector face, one pixel below the grid.
    EXPECT_EQ(view.pieces.back().toY, PixelYOf(0.175) + 1);

    view.pieces.clear();
    view.tracksShown = false;
    Fly(0.05, 0, 0);
    EXPECT_TRUE(view.pieces.empty());
}

TEST_F(FlightTest, ReferenceParticleIsNeitherCountedNorDrawn)
{
    ParticleState p = LaunchedAt(0.05);
    p.Id = ReferenceId;
    p.Colour = 0;
    EXPECT_EQ(DriveParticle(*sim, p), FlightOutcome::Detected);
    EXPECT_EQ(sim->run.detectedCount, 0);
    EXPECT_TRUE(view.detected.empty());
    EXPECT_TRUE(view.pieces.empty());
}

TEST_F(FlightTest, ParticleAtRestNeverLeavesTheSource)
{
    ParticleState p = LaunchedAt(0.0);
    EXPECT_EQ(p.Speed, 0.0);
    EXPECT_EQ(DriveParticle(*sim, p), FlightOutcome::Left);
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(p.Y, -0.05);
    EXPECT_TRUE(view.pieces.empty());
    EXPECT_EQ(sim->run.detectedCount, 0);
}

TEST_F(FlightTest, FreeFlightRunsFromTheStartOfTheLastFieldStep)
{
    ParticleState p = LaunchedAt(0.05);
    p.Phase = InFreeFlight;
    p.PrevX = -0.02;   // where the last field step began
    p.PrevY = 0.16;
    p.X = 0.0;         // where it crossed the exit line
    p.Y = 0.1655;
    p.Vx = 2e6;
    p.Vy = 1e7;
    // 1e-8 s on, the step ends at (0.02, 0.2655); the line from (-0.02, 0.16)
    // there meets the detector face 0.015 m below its start.
    EXPECT_EQ(FreeFlightStep(*sim, p), FlightOutcome::Detected);
    EXPECT_NEAR(p.X, -0.02 + 0.04 * 0.015 / 0.1055, 1e-12);
    EXPECT_EQ(p.Y, sim->walls.Walls[DetectorFaceWall].Y1);
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(sim->run.detectedCount, 1);
}

// A straight step that passes beside the detector face leaves uncounted.
TEST_F(FlightTest, FreeFlightBesideTheDetectorFaceIsNotCounted)
{
    ParticleState p = LaunchedAt(0.05);
    p.Phase = InFreeFlight;
    p.PrevX = p.X = 0.05;
    p.PrevY = p.Y = 0.1655;
    p.Vx = 0.0;
    p.Vy = 1e7;
    EXPECT_EQ(FreeFlightStep(*sim, p), FlightOutcome::Left);
    EXPECT_EQ(sim->run.detectedCount, 0);
}

ParticleState Step(double prevX, double prevY, double x, double y)
{
    ParticleState p{};
    p.PrevX = prevX;
    p.PrevY = prevY;
    p.X = x;
    p.Y = y;
    p.Alive = true;
    return p;
}

TEST(CrossesWall, TouchingAndEndPointsAreHits)
{
    const WallSegment horizontal{-1, 0, 1, 0};
    ParticleState onLine = Step(0.5, -1, 0.5, 0);
    EXPECT_TRUE(CrossesWall(onLine, horizontal));
    EXPECT_EQ(onLine.Y, 0.0);
    ParticleState atEnd = Step(1, -1, 1, 1);
    EXPECT_TRUE(CrossesWall(atEnd, horizontal));
    ParticleState pastEnd = Step(1.5, -1, 1.5, 1);
    EXPECT_FALSE(CrossesWall(pastEnd, horizontal));
    ParticleState oneSide = Step(0, -1, 0, -0.5);
    EXPECT_FALSE(CrossesWall(oneSide, horizontal));

    const WallSegment vertical{0, -1, 0, 1};
    ParticleState slanted = Step(-1, -1, 1, 1);
    EXPECT_TRUE(CrossesWall(slanted, vertical));
    EXPECT_EQ(slanted.X, 0.0);
    EXPECT_EQ(slanted.Y, 0.0);
    ParticleState atCorner = Step(-1, 1, 1, 1);
    EXPECT_TRUE(CrossesWall(atCorner, vertical));
    ParticleState above = Step(-1, 2, 1, 2);
    EXPECT_FALSE(CrossesWall(above, vertical));
}

TEST(CrossesWall, StepsAlongAWallLine)
{
    const WallSegment horizontal{-1, 0, 1, 0};
    ParticleState inside = Step(0.5, 0, 3, 0);
    EXPECT_TRUE(CrossesWall(inside, horizontal));
    EXPECT_EQ(inside.X, 3.0);
    ParticleState beyond = Step(2, 0, 3, 0);
    EXPECT_FALSE(CrossesWall(beyond, horizontal));

    const WallSegment vertical{0, -1, 0, 1};
    ParticleState along = Step(0, 0.5, 0, 3);
    EXPECT_TRUE(CrossesWall(along, vertical));
    EXPECT_EQ(along.X, 0.0);
    ParticleState outside = Step(0, 2, 0, 3);
    EXPECT_FALSE(CrossesWall(outside, vertical));
}

TEST(TestWallSet, HorizontalHitShortensTheStepForVerticalWalls)
{
    WallTable table;
    table.Walls[2] = {-1, 0, 1, 0};     // horizontal, first group
    table.Walls[12] = {0.75, -2, 0.75, 2}; // vertical, beyond the horizontal crossing
    ParticleState p = Step(0, -1, 1, 1);
    EXPECT_TRUE(TestWallSet(table, p, WallBit(2) | WallBit(12), true));
    EXPECT_FALSE(p.Alive);
    EXPECT_EQ(p.X, 0.5);
    ParticleState alone = Step(0, -1, 1, 1);
    EXPECT_TRUE(TestWallSet(table, alone, WallBit(12), false));
    EXPECT_EQ(alone.X, 0.75);
    EXPECT_TRUE(alone.Alive);
    ParticleState q = Step(0, -1, 1, 1);
    EXPECT_FALSE(TestWallSet(table, q, WallBit(3), true));
    EXPECT_TRUE(q.Alive);
}

}
