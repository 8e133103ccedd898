#pragma once

#include "core/filter_settings.h"
#include "core/measurement_view.h"
#include "core/particle_state.h"
#include "core/pass_band_record.h"
#include "core/run_state.h"
#include "core/walls.h"
#include "spectrum/random_uniform.h"
#include "spectrum/source_spectrum.h"

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
    MeasurementView* view = nullptr;
};

// What the first activation of the window sets up: the walls for the
// narrowest slit and the built-in source.
void InitialiseSimulation(Simulation& sim);
