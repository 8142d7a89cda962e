// The one run in progress. Only one run exists at a time; the forest model reads
// its sizes, the density of the current series and the silent flag from here.
#pragma once
#include "front_end.h"
#include "planting.h"
#include "run_parameters.h"
#include "trial_clock.h"

#include <cstdint>
#include <vector>

struct TrialResult {
    std::int32_t fireTime;
    double burntFraction;
};

struct RunState {
    RunParameters parameters;              // during a sweep, density is that of the current series
    const FrontEnd* frontEnd = nullptr;    // null in a silent run
    TrialClock* clock = nullptr;
    TreeDraws treeDraws = nullptr;         // null: Ignaro's own generator, seeded by the clock
    std::vector<TrialResult> shownResults; // a visible single series' rows, for the results window
    // Grid indices of the burning front of a silent trial and of the trees it sets
    // alight, kept from trial to trial so that a run allocates only while it grows.
    std::vector<std::uint32_t> front;
};

extern RunState run;
