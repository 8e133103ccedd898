#include "core/settings_rules.h"

#include "core/filter_settings.h"
#include "core/physics_constants.h"
#include "core/walls.h"

#include <cmath>

double PassElectricField(double kineticEnergy, double magneticField)
{
    // An energy read from "-0" is a zero too: no field, rather than a field of -0.
    if (kineticEnergy == 0.0)
        return 0.0;
    const double w = kineticEnergy;
    const double total = w + RestEnergy;
    const double square = total * total;
    // Beyond about 1e154 J the squares overflow to infinity and their quotient
    // is no number, while the speed has been c to the last digit long before.
    if (std::isinf(square))
        return SpeedOfLight * magneticField;
    const double speed = SpeedOfLight * std::sqrt(w * (2 * RestEnergy + w) / square);
    return speed * magneticField;
}

double EnteredEnergyJoules(double kiloElectronVolts)
{
    return kiloElectronVolts * 1000 * JoulesPerEV;
}

double RetunedEnergyJoules(double kiloElectronVolts)
{
    return kiloElectronVolts * JoulesPerKeV;
}

double MicroteslaToTesla(double microtesla)
{
    return microtesla / 1e6;
}

bool IsValidPassEnergy(double kiloElectronVolts)
{
    return kiloElectronVolts >= 0.0;
}

bool IsValidFieldMicrotesla(std::int32_t microtesla)
{
    return microtesla >= 0;
}

bool IsValidParticleCount(std::int32_t count)
{
    return count >= FewestParticles;
}

bool IsValidSlitStep(std::int32_t step)
{
    return step >= MinSlitStep && step <= MaxSlitStep;
}

int JawWidthForSlitStep(int step)
{
    return 30 - step;
}

double SlitHalfWidthMm(int step)
{
    return (step + 2) * 0.5;
}

void ApplyEnergyEntry(FilterSettings& filter, double kiloElectronVolts, double fieldMicrotesla)
{
    filter.tunedEnergy = EnteredEnergyJoules(kiloElectronVolts);
    filter.magneticField = MicroteslaToTesla(fieldMicrotesla);
    filter.electricField = PassElectricField(filter.tunedEnergy, filter.magneticField);
}

void ApplySlitStep(WallTable& table, int step)
{
    table.JawWidth = JawWidthForSlitStep(step);
    BuildCrossWalls(table);
}
