#include "analysis/count_check.h"

#include "analysis/binomial_tail.h"
#include "analysis/detection_probability.h"
#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/simulation.h"

#include <cmath>

namespace {

// The two-sided normal tail beyond MaxPull.
double MaxPullChance()
{
    return std::erfc(MaxPull / std::sqrt(2.0));
}

}

void SetUpStart(const StartSetting& setting, const SourceSpectrum& source, Simulation& sim)
{
    SetUpSimulation(sim, {0.0, 0, setting.slitStep});
    sim.source = source;
    sim.filter = {setting.magneticFieldTesla, setting.electricFieldVPerM, setting.tunedEnergyJoules};
    UpdatePassBand(sim);
}

std::int32_t FewestDetectedWithoutField(std::int32_t launched)
{
    return launched - launched / ParticlesPerTurn;
}

// The coarse grid clears an honest count in milliseconds; a count it would
// flag is judged again on the fine one, since in strong fields the coarse
// grid's p may be off by more than a large count's spread.
CountJudgement JudgeDetectedCount(Simulation& sim, std::int64_t launched, std::int64_t detected)
{
    double probability = DetectionProbability(sim, CoarseGrid);
    double chance = TwoSidedBinomialTail(launched, detected, probability);
    if (chance >= MaxPullChance())
        return {true, chance, {}};
    probability = DetectionProbability(sim, FineGrid);
    chance = TwoSidedBinomialTail(launched, detected, probability);
    if (chance >= MaxPullChance())
        return {true, chance, {}};
    return {false, chance, ExpectCount(probability, launched, detected)};
}
