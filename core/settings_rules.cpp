#include "settings_rules.h"

#include "filter_settings.h"
#include "physics_constants.h"
#include "walls.h"

#include <cmath>

double PassElectricField(double kineticEnergy, double magneticField)
{
    const double w = kineticEnergy;
    const double total = w + RestEnergy;
    const double speed = SpeedOfLight * std::sqrt(w * (2 * RestEnergy + w) / (total * total));
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
    return count >= 1;
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
