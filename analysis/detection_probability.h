#pragma once

struct Simulation;

// The chance that one launched particle reaches the detector at the
// simulation's filter, slit and source: the drawn density's mass over the
// energies whose flight ends there, flown on a grid even in log E across the
// draws and bisected to the millielectronvolt wherever the verdict turns. The
// band search bisects from the tuned energy as if those energies were one
// interval around it; with a wide slit or a weak field they are not (a gap
// inside the edges, a second interval far above), so a count is judged by
// the flights themselves, not by the edges.
double DetectionProbability(Simulation& sim, int gridPoints);

// Neighbouring energies 0.9 % apart over C-14's draws: every band, the
// narrowest slit's included, spans many of them. A few milliseconds at most
// settings; in fields of some 10 000 µT and more, a comb of windows a few
// electronvolts wide opens above the band, and its mass comes out a little
// off (up to 2 % of p in a 60 000 µT field).
inline constexpr int CoarseGrid = 800;
// Sixteen times finer: the comb to a few parts in a million of p, at some
// tens of milliseconds, and up to a second in the strongest fields.
inline constexpr int FineGrid = 12800;
