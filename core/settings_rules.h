#pragma once

#include <cstdint>

struct FilterSettings;
struct WallTable;

// The rules by which the settings inputs turn into filter settings.

inline constexpr int MinSlitStep = 0;
inline constexpr int MaxSlitStep = 19;
inline constexpr std::int32_t FewestParticles = 1;
inline constexpr int MaxFieldStepperPosition = 100;
inline constexpr double TeslaPerFieldStep = 5e-5;

// The electric field in V/m that lets electrons of a kinetic energy in joules
// through a magnetic induction in tesla undeflected: E = v·B with the
// relativistic speed v.
double PassElectricField(double kineticEnergy, double magneticField);

// A pass energy entered in keV, as the energy entry converts it (J).
double EnteredEnergyJoules(double kiloElectronVolts);
// A pass energy re-read from its text when the induction changes (J). The two
// conversions may differ in the last bit, and the tuned field, and so every
// count, follows that bit: each path keeps its own.
double RetunedEnergyJoules(double kiloElectronVolts);

double MicroteslaToTesla(double microtesla);

// What the error box says when an entry is refused.
inline constexpr const char* PassEnergyRefusal = "Hibás adat!! Ide csak nem-negatív szám írható!";
inline constexpr const char* FieldRefusal = "Hibás adat!! Ide csak pozitív egész szám írható!";
inline constexpr const char* ParticleCountRefusal = "Hibás adat!  Ide csak pozitív egész szám írható!!";

bool IsValidPassEnergy(double kiloElectronVolts);
bool IsValidFieldMicrotesla(std::int32_t microtesla);
bool IsValidParticleCount(std::int32_t count);
bool IsValidSlitStep(std::int32_t step);

// Jaw width in pixels and half-width of the opening in millimetres for a slit step.
int JawWidthForSlitStep(int step);
double SlitHalfWidthMm(int step);

// The energy entry: tunes the filter to the energy at the induction typed in
// whole microtesla, the electric field following.
void ApplyEnergyEntry(FilterSettings& filter, double kiloElectronVolts, double fieldMicrotesla);

// The slit step narrows the jaws and rebuilds the slit walls.
void ApplySlitStep(WallTable& table, int step);
