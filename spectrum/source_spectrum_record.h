#pragma once

#include "spectrum/spline3.h"

#include <string>

// A beta source: a display name, the endpoint energy and the intensity spline.
// Energies in MeV, intensities relative.
struct SourceSpectrum {
    std::string Name;
    double EndpointEnergy = 0.0;
    TPoints Knots;
    TResult Segments;
    double SampleRange = 1.5;     // candidate energies are drawn from [0, SampleRange)
    double SampleStep = 0.001;    // grid spacing of the maximum search
    double SpectrumMax = 0.0;
};
