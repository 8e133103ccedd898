#pragma once

#include "filter_settings.h"
#include "measurement_view.h"
#include "particle.h"
#include "pass_band.h"
#include "random_uniform.h"
#include "run_state.h"
#include "source_spectrum.h"
#include "walls.h"

// Every record of one running program. The window holds one; tests and
// headless tools hold their own.
struct Simulation {
    WallTable walls;
    FilterSettings filter;
    RunState run;
    SourceSpectrum source;
    RandomState random;
    ParticleState MeasuredParticle{};
    ParticleState ReferenceParticle{};
    PassBand band;
    bool DetectorReached = false;
    MeasurementView* view = nullptr;
};

// What the first activation of the window sets up: the walls for the
// narrowest slit and the built-in source.
void InitialiseSimulation(Simulation& sim);
