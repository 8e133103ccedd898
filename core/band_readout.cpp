#include "core/band_readout.h"

#include "core/number_text.h"

std::string PassBandText(double megaElectronVolts)
{
    return FixedText(1000 * megaElectronVolts, 10, 3);
}
