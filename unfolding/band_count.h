#pragma once

// One reading of a spectrometer whose response is a box: of `launched`
// particles drawn from an unknown density, `detected` had an energy in
// [lower, upper]. Energies in one unit throughout (keV in this program).
struct BandCount {
    double lower = 0.0;
    double upper = 0.0;
    double launched = 0.0;
    double detected = 0.0;
};
