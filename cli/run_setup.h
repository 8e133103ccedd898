#pragma once

#include <optional>
#include <string>

struct Options;
struct Simulation;

// A simulation as a freshly started program has it, with the source, slit,
// energy entry and seed of the options; a source file that cannot give a spectrum is
// refused with a message naming the file and the line.
std::optional<std::string> PrepareSimulation(const Options& options, Simulation& sim);

// The threads to fly on: as asked, or every core of the machine.
int ThreadsToUse(const Options& options);
