#pragma once

// SI values of the electron and the units the apparatus is read in.
inline constexpr double ElementaryCharge = 1.602176634e-19;     // C
inline constexpr double ElectronMass = 9.1093837e-31;           // kg, rest mass
inline constexpr double SpeedOfLight = 299792458.0;             // m/s
inline constexpr double SpeedOfLightSquared = 89875517873681764.0;   // m²/s²
inline constexpr double RestEnergy = ElectronMass * SpeedOfLight * SpeedOfLight;   // J

inline constexpr double JoulesPerMeV = 1.602176634e-13;
inline constexpr double JoulesPerKeV = 1.602176634e-16;
inline constexpr double JoulesPerEV = 1.602176634e-19;
inline constexpr double KeVPerMeV = 1000.0;
inline constexpr double EVPerMeV = 1e6;
