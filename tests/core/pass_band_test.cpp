#include "core/particle.h"
#include "core/pass_band.h"
#include "core/settings_rules.h"
#include "tests/support/band_at_50kev.h"
#include "tests/support/simulation_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class PassBandTest : public SimulationTest {
protected:
    void Tune(double keV, double microtesla)
    {
        ApplyEnergyEntry(sim->filter, keV, microtesla);
        UpdatePassBand(*sim);
    }
};

TEST_F(PassBandTest, WithoutMagneticFieldNothingCanBeComputed)
{
    Tune(50, 0);
    EXPECT_EQ(view.readouts, (std::vector<std::string>{"Nem számolható", "Nem számolható", "Nem számolható"}));
    EXPECT_EQ(sim->band.PassLower, -0.009999);
    EXPECT_EQ(FindPassEdge(*sim, true), NoFieldEdge);

    EXPECT_TRUE(LaunchReference(*sim, 0.05));
}

TEST_F(PassBandTest, NotComputedMarkShowsNoNumbers)
{
    Tune(50, 1000);
    sim->band.PassLower = NotComputed;
    ShowPassBand(*sim);
    EXPECT_EQ(view.readouts[2], "Nem számolható");
}

TEST_F(PassBandTest, BandAround50keV)
{
    Tune(50, 1000);
    EXPECT_EQ(view.readouts, (std::vector<std::string>{BandAt50KeV.lower, BandAt50KeV.upper, BandAt50KeV.width}));
    EXPECT_EQ(sim->band.PassWidth, sim->band.PassUpper - sim->band.PassLower);
}

TEST_F(PassBandTest, ReferenceFlightsTouchNoCounterOrDisplay)
{
    sim->run.launchedCount = 7;
    sim->run.detectedCount = 3;
    ApplyEnergyEntry(sim->filter, 50, 1000);
    EXPECT_TRUE(LaunchReference(*sim, 0.05));
    UpdatePassBand(*sim);
    EXPECT_EQ(sim->run.launchedCount, 7);
    EXPECT_EQ(sim->run.detectedCount, 3);
    EXPECT_TRUE(view.launched.empty());
    EXPECT_TRUE(view.detected.empty());
    EXPECT_TRUE(view.pieces.empty());
    EXPECT_EQ(sim->ReferenceParticle.Id, ReferenceId);
    EXPECT_EQ(sim->ReferenceParticle.Colour, 0u);
}

TEST_F(PassBandTest, UpperEdgeIsClampedToTheEndpoint)
{
    Tune(156, 1000);
    EXPECT_EQ(sim->band.PassUpper, 0.156);
    EXPECT_EQ(view.readouts[1], "   156.000");
    Tune(200, 1000);
    EXPECT_EQ(sim->band.PassUpper, 0.156);
    EXPECT_EQ(sim->band.PassLower, 0.156);
    EXPECT_EQ(view.readouts[2], "     0.000");
}

TEST_F(PassBandTest, EdgesLieAnOddNumberOfElectronvoltsFromTheTunedEnergy)
{
    for (double keV : {10.0, 50.0, 100.0, 1500.0}) {
        for (double microtesla : {300.0, 1000.0, 5000.0}) {
            ApplyEnergyEntry(sim->filter, keV, microtesla);
            const double tunedEV = sim->filter.tunedEnergy / JoulesPerEV;
            const double above = FindPassEdge(*sim, true) * EVPerMeV - tunedEV;
            const double below = tunedEV - FindPassEdge(*sim, false) * EVPerMeV;
            for (double distance : {above, below}) {
                const double whole = std::round(distance);
                EXPECT_NEAR(distance, whole, 1e-3) << keV << " keV, " << microtesla << " µT";
                EXPECT_EQ(std::fmod(whole, 2.0), 1.0) << keV << " keV, " << microtesla << " µT";
                EXPECT_GE(whole, 1.0);
                EXPECT_LE(whole, (1 << 21) - 1.0);
            }
        }
    }
}

TEST_F(PassBandTest, TrialsBelowZeroRepeatTheLastVerdict)
{
    // A field of 1 nT lets every trial through, so the upper search climbs by
    // every step, to the tuned energy + (2^21 - 1) eV. Tuned to 1200 eV, the
    // lower search starts below zero, where nothing is flown and nothing was
    // detected yet, climbs to its first positive trial at 1200 - 2^10 = 176 eV
    // and is detected there; every later trial lies at or below zero and
    // repeats that verdict, so it goes on down by 512 + 256 + ... + 1 eV.
    sim->filter.magneticField = 1e-9;
    sim->filter.tunedEnergy = 1200 * JoulesPerEV;
    sim->filter.electricField = PassElectricField(sim->filter.tunedEnergy, 1e-9);
    EXPECT_NEAR(FindPassEdge(*sim, true) * EVPerMeV, 1200.0 + (1 << 21) - 1, 1e-6);
    EXPECT_NEAR(FindPassEdge(*sim, false) * EVPerMeV, 176.0 - 1023, 1e-6);
}

}
