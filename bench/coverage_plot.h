#pragma once

#include "bench/coverage_tally.h"

#include <QByteArray>

#include <string>

// Coverage against energy as a PNG: the share of runs whose 95 % interval
// held the truth at each energy, with the nominal 95 % and the share below
// which as many runs of a true 95 % interval fall only rarely (88 % for 100).
QByteArray CoveragePlotPng(const CoverageTally& tally, const std::string& title);
