#pragma once

// What M runs can tell of a 95 % interval's coverage at one energy: each run
// holds the truth or not, so the number that do is binomial.

// The nominal coverage the runs are measured against.
constexpr double NominalCoverage = 0.95;

// The share of `runs` below which a true 95 % interval falls at one energy
// only rarely, less than once in 500 (88 of 100): a share below it is
// evidence against the interval.
double RareShare(int runs);

// How often a true 95 % interval falls below that share.
double ChanceBelowRareShare(int runs);

// The smallest true coverage that `runs` runs all holding the truth still
// leave possible (a one-sided 95 % bound: 55 % for 5 runs, 97 % for 100).
// Below 95 % the runs cannot show the nominal coverage at one energy at all.
double LeastCoverageOfAFullShare(int runs);

// The standard deviation of the share at one energy if the true coverage is
// 95 %.
double ShareDeviation(int runs);
