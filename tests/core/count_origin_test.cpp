#include "core/count_origin.h"
#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/simulation.h"
#include "tests/support/band_at_50kev.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const CountSetting AtStart{{1e-3, 123456.789, 8.0e-15}, 0, "Béta-forrás: radiokarbon (C-14)"};

// A Start's origin keeps the band it searched; the detected count is its own
// only when the detector was empty at it, cleared or not.
TEST(CountOrigin, AStartKeepsItsBandAndWhetherTheDetectorWasEmpty)
{
    Simulation sim;
    SetUpSimulation(sim, {50.0, 1000, 0});
    UpdatePassBand(sim);
    for (const bool cleared : {false, true}) {
        for (const bool empty : {false, true}) {
            const CountOrigin origin = OriginOfStart(sim, AtStart, cleared, empty);
            EXPECT_EQ(origin.detectorCleared, cleared);
            EXPECT_EQ(origin.alone, empty);
        }
    }
    const CountOrigin origin = OriginOfStart(sim, AtStart, true, true);
    EXPECT_TRUE(SameSetting(origin.setting, AtStart));
    EXPECT_EQ(origin.passLower, BandAt50KeV.lower);
    EXPECT_EQ(origin.passUpper, BandAt50KeV.upper);
    EXPECT_EQ(origin.passWidth, BandAt50KeV.width);

    SetUpSimulation(sim, {50.0, 0, 0});
    UpdatePassBand(sim);
    const CountOrigin withoutField = OriginOfStart(sim, AtStart, true, true);
    EXPECT_EQ(withoutField.passLower, "Nem számolható");
    EXPECT_EQ(withoutField.passWidth, "Nem számolható");
}

// Continue at the Start's setting keeps the counts its own; a change of any
// part of the setting while stopped mixes in a second one for good, even when
// it is changed back before the next Continue.
TEST(CountOrigin, ContinueAtAnotherSettingMixesTheCounts)
{
    const std::function<void(CountSetting&)> changes[] = {
        [](CountSetting& s) { s.filter.magneticField *= 2; },
        [](CountSetting& s) { s.filter.electricField += 1; },
        [](CountSetting& s) { s.filter.tunedEnergy *= 1.5; },
        [](CountSetting& s) { s.slitStep = 5; },
        [](CountSetting& s) { s.source = "Béta-forrás: sr90.for"; },
    };
    CountOrigin same{AtStart, true, "", "", "", true};
    NoteContinue(same, AtStart);
    EXPECT_TRUE(same.alone);
    for (const auto& change : changes) {
        CountSetting now = AtStart;
        change(now);
        EXPECT_FALSE(SameSetting(now, AtStart));
        CountOrigin origin{AtStart, true, "", "", "", true};
        NoteContinue(origin, now);
        EXPECT_FALSE(origin.alone);
        NoteContinue(origin, AtStart);
        EXPECT_FALSE(origin.alone);
    }
}

TEST(CountOrigin, ACountClearedAloneNoLongerMatchesTheOther)
{
    CountOrigin origin{AtStart, true, "", "", "", true};
    NoteCountCleared(origin);
    EXPECT_FALSE(origin.alone);
    NoteContinue(origin, AtStart);
    EXPECT_FALSE(origin.alone);
}

}
