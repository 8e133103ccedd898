#include "core/count_origin.h"

#include "core/band_readout.h"

bool SameSetting(const CountSetting& a, const CountSetting& b)
{
    return a.filter.magneticField == b.filter.magneticField && a.filter.electricField == b.filter.electricField
        && a.filter.tunedEnergy == b.filter.tunedEnergy && a.slitStep == b.slitStep && a.source == b.source;
}

CountOrigin OriginOfStart(const Simulation& sim, const CountSetting& setting, bool detectorCleared,
                          bool detectorEmpty)
{
    BandReadouts band = BandReadoutsOf(sim);
    return {setting, detectorCleared, std::move(band.lower), std::move(band.upper), std::move(band.width),
            detectorEmpty};
}

void NoteContinue(CountOrigin& origin, const CountSetting& now)
{
    origin.alone = origin.alone && SameSetting(origin.setting, now);
}

void NoteCountCleared(CountOrigin& origin)
{
    origin.alone = false;
}
