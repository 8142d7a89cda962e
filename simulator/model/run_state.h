// The one run in progress. Only one run exists at a time; the forest model reads
// its sizes, the density of the current series and the silent flag from here.
#pragma once
#include "run_parameters.h"

#include <cstdint>
#include <vector>

struct RunState {
    RunParameters parameters;                // during a sweep, density is that of the current series
    std::vector<std::int32_t> fireTimes;      // of each trial of the current series
    std::vector<double> burntFractions;
};

extern RunState run;
