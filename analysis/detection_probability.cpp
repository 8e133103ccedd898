#include "analysis/detection_probability.h"

#include "core/pass_band.h"
#include "core/simulation.h"
#include "spectrum/acceptance_ceiling.h"
#include "spectrum/drawn_density.h"

#include <cmath>

namespace {

constexpr double EdgePrecisionMeV = 1e-9;   // a millielectronvolt

// Where the verdict turns between two energies that differ in it.
double Turn(Simulation& sim, double lower, double upper, bool lowerReaches)
{
    while (upper - lower > EdgePrecisionMeV) {
        const double middle = lower + (upper - lower) / 2;
        if (LaunchReference(sim, middle) == lowerReaches)
            lower = middle;
        else
            upper = middle;
    }
    return lower + (upper - lower) / 2;
}

}

double DetectionProbability(Simulation& sim, int gridPoints)
{
    const SourceSpectrum& source = sim.source;
    // Nothing is drawn below SmallestCandidate nor from SampleRange on, so a
    // run that passes at either end of the grid runs on to the end of the draws.
    const double lowest = SmallestCandidate;
    const double highest = source.SampleRange;
    double probability = 0.0;
    double energy = lowest;
    bool reaches = LaunchReference(sim, energy);
    double runStart = 0.0;
    // A band's width grows with its energy: the grid is even in log E.
    for (int point = 1; point <= gridPoints; ++point) {
        const double next = lowest * std::pow(highest / lowest, static_cast<double>(point) / gridPoints);
        const bool nextReaches = LaunchReference(sim, next);
        if (nextReaches != reaches) {
            const double turn = Turn(sim, energy, next, reaches);
            if (nextReaches)
                runStart = turn;
            else
                probability += DrawnProbability(source, runStart, turn);
        }
        energy = next;
        reaches = nextReaches;
    }
    if (reaches)
        probability += DrawnProbability(source, runStart, highest);
    return probability;
}
