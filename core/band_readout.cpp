#include "core/band_readout.h"

#include "base/number_text.h"
#include "core/pass_band.h"
#include "core/physics_constants.h"
#include "core/simulation.h"

std::string PassBandText(double megaElectronVolts)
{
    return FixedText(KeVPerMeV * megaElectronVolts, 10, 3);
}

BandReadouts BandReadoutsOf(const std::optional<PassBand>& band)
{
    if (!band)
        return {NotComputableText, NotComputableText, NotComputableText};
    return {PassBandText(band->PassLower), PassBandText(band->PassUpper), PassBandText(band->PassWidth)};
}

BandReadouts BandReadoutsOf(const Simulation& sim)
{
    return BandReadoutsOf(BandKnown(sim) ? std::optional(sim.band) : std::nullopt);
}
