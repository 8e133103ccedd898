#pragma once

#include "core/filter_settings.h"

#include <string>

struct Simulation;

// The setting the counts are measured at: the filter, the slit's step and the
// name of the source.
struct CountSetting {
    FilterSettings filter;
    int slitStep = 0;
    std::string source;
};

bool SameSetting(const CountSetting& a, const CountSetting& b);

// What the counts shown come from: the setting of the last Start with its
// band readouts, and whether that setting alone gave both counts since.
struct CountOrigin {
    CountSetting setting;
    bool detectorCleared = false;
    std::string passLower;
    std::string passUpper;
    std::string passWidth;
    bool alone = false;
};

// The origin a Start at setting gives the counts, its band as sim has just
// searched it. The detected count comes from this Start alone when the
// detector was empty at it, whether "Indításkor töröl" emptied it or nothing
// was counted before.
CountOrigin OriginOfStart(const Simulation& sim, const CountSetting& setting, bool detectorCleared,
                          bool detectorEmpty);

// Continue at the setting now: a setting changed while stopped mixes a
// second setting into the counts.
void NoteContinue(CountOrigin& origin, const CountSetting& now);

// One count cleared alone no longer matches the other; the next Start sets
// the origin anew.
void NoteCountCleared(CountOrigin& origin);
