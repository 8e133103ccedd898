#pragma once

#include <optional>
#include <string>

struct RunOptions;
struct Simulation;
struct SourceSpectrum;

// A simulation as a freshly started program has it, with the source, slit,
// seed and induction of the options and the energy entered; a source file
// that cannot give a spectrum is refused with a message naming the file and
// the line.
std::optional<std::string> PrepareSimulation(const RunOptions& options, double energyKeV, Simulation& sim);

// The source file the path names, as a spectrum, or why it cannot be one.
std::optional<std::string> LoadSourceFile(const std::string& path, SourceSpectrum& source);

// The threads to fly on: as asked, or every core of the machine.
int ThreadsToUse(const RunOptions& options);
