// The one run in progress. Only one run exists at a time; the forest model reads
// its sizes, the density of the current series and the silent flag from here.
#pragma once
#include "run_parameters.h"

#include <cstdint>
#include <vector>

struct TrialResult {
    std::int32_t fireTime;
    double burntFraction;
};

struct RunState {
    RunParameters parameters;              // during a sweep, density is that of the current series
    std::vector<TrialResult> shownResults; // a visible single series' rows, for the results window
};

extern RunState run;
