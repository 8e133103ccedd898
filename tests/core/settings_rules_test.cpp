#include "base/number_text.h"
#include "core/filter_settings.h"
#include "core/settings_rules.h"
#include "core/walls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::string ElectricFieldText(double keV, double microtesla)
{
    FilterSettings filter;
    ApplyEnergyEntry(filter, keV, microtesla);
    return FixedText(filter.electricField, 10, 5);
}

TEST(SettingsRules, ElectricFieldFollowsEnergyAndInduction)
{
    EXPECT_EQ(ElectricFieldText(100, 1000), "164352.47974");
    EXPECT_EQ(ElectricFieldText(156, 1000), "192677.10396");
    EXPECT_EQ(ElectricFieldText(0, 1000), "   0.00000");
    EXPECT_EQ(ElectricFieldText(100, 0), "   0.00000");
}

TEST(SettingsRules, ElectricFieldOfZeroAndOfHugeEnergies)
{
    EXPECT_EQ(ElectricFieldText(-0.0, 1000), "   0.00000");
    EXPECT_EQ(ElectricFieldText(-0.0, 0), "   0.00000");
    EXPECT_FALSE(std::signbit(PassElectricField(-0.0, -1e-6)));
    // c·B once the energy is too large for the relativistic speed formula's squares.
    EXPECT_EQ(ElectricFieldText(1e300, 1000), "299792.45800");
    EXPECT_EQ(ElectricFieldText(1e300, 0), "   0.00000");
    EXPECT_DOUBLE_EQ(PassElectricField(std::numeric_limits<double>::infinity(), 1e-3), 299792.458);
}

TEST(SettingsRules, EnergyEntryTunesTheFilter)
{
    FilterSettings filter;
    ApplyEnergyEntry(filter, 50, 1000);
    EXPECT_EQ(filter.tunedEnergy, 50 * 1000 * 1.602176634e-19);
    EXPECT_EQ(filter.magneticField, 0.001);
    EXPECT_NEAR(filter.electricField, 123720.2, 0.1);
    EXPECT_NEAR(RetunedEnergyJoules(50), filter.tunedEnergy, 1e-28);
}

TEST(SettingsRules, SlitSteps)
{
    EXPECT_EQ(GeneralNumberText(SlitHalfWidthMm(0)), "1");
    EXPECT_EQ(GeneralNumberText(SlitHalfWidthMm(1)), "1.5");
    EXPECT_EQ(GeneralNumberText(SlitHalfWidthMm(19)), "10.5");
    EXPECT_EQ(JawWidthForSlitStep(0), 30);
    EXPECT_EQ(JawWidthForSlitStep(1), 29);
    EXPECT_EQ(JawWidthForSlitStep(19), 11);

    WallTable table;
    ApplySlitStep(table, 19);
    EXPECT_EQ(table.JawWidth, 11);
    EXPECT_DOUBLE_EQ(table.Walls[5].X1, 0.0105);
}

TEST(SettingsRules, Validity)
{
    EXPECT_TRUE(IsValidPassEnergy(0));
    EXPECT_FALSE(IsValidPassEnergy(-1));
    EXPECT_TRUE(IsValidFieldMicrotesla(0));
    EXPECT_FALSE(IsValidFieldMicrotesla(-5));
    EXPECT_TRUE(IsValidParticleCount(1));
    EXPECT_FALSE(IsValidParticleCount(0));
    EXPECT_TRUE(IsValidSlitStep(0));
    EXPECT_TRUE(IsValidSlitStep(19));
    EXPECT_FALSE(IsValidSlitStep(20));
    EXPECT_FALSE(IsValidSlitStep(-1));
}

TEST(SettingsRules, FieldStepper)
{
    const double field = 3 * TeslaPerFieldStep;
    EXPECT_DOUBLE_EQ(field, 1.5e-4);
    EXPECT_EQ(GeneralNumberText(field * 1e6), "150");
}

}
