#include "core/simulation.h"

void InitialiseSimulation(Simulation& sim)
{
    BuildCrossWalls(sim.walls);
    BuildSideWalls(sim.walls);
    LoadSourceSpectrum(BuiltinSourceText(), sim.source);
}
