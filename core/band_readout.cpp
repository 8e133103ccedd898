#include "core/band_readout.h"

#include "base/number_text.h"
#include "core/physics_constants.h"

std::string PassBandText(double megaElectronVolts)
{
    return FixedText(KeVPerMeV * megaElectronVolts, 10, 3);
}
