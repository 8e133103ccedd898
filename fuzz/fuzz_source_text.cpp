#include "fuzz/fuzz_check.h"
#include "spectrum/random_uniform.h"
#include "spectrum/sampler.h"
#include "spectrum/source_spectrum.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// A measurement draws one energy per particle; a few draws show whether a
// loaded spectrum can give particles at all.
constexpr int Draws = 3;

void RequireUsable(SourceSpectrum& source)
{
    Require(source.Segments.size() + 1 == source.Knots.size(), "one spline piece joins each pair of knots");
    Require(std::isfinite(source.SampleRange) && source.SampleRange > 0.0, "energies are drawn from a real range");
    for (const Knot& knot : source.Knots) {
        const SplineValue atKnot = EvalSpline(source.Segments, knot.x);
        Require(atKnot.found && std::isfinite(atKnot.value), "the spline has a value at every knot");
    }
    FindSpectrumMax(source);
    Require(std::isfinite(source.SpectrumMax) && source.SpectrumMax >= 0.0, "the maximum is a finite intensity");
    RandomState random;
    for (int i = 0; i < Draws; ++i) {
        const double energy = DrawEnergy(source, random, source.SampleRange);
        Require(energy == 0.0 || (energy > 0.0 && energy < source.SampleRange), "a drawn energy lies in the range");
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SourceSpectrum source;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!LoadSourceSpectrum(SplitLines(text), source))
        RequireUsable(source);
    return 0;
}
