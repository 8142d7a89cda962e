// A silent run cut into chunks of trials, so that the command line can tell how far
// it has got. The model needs no change for this: chunks run one after another with
// one trial clock append the same rows in the same order as the whole run.
#pragma once
#include "experiment.h"
#include "run_parameters.h"
#include "trial_clock.h"

#include <cstdint>
#include <functional>
#include <vector>

// The densities of the run's series that can be planted: its one density, or those of
// its sweep short of the ones above 1 that ask for more trees than cells.
std::vector<double> seriesDensities(const RunParameters& parameters);

// Runs `trials` trials at each density; `progress` gets the trials done so far.
RunReport runInChunks(const RunParameters& parameters, const std::vector<double>& densities, TrialClock& clock,
                      TreeDraws treeDraws, const std::function<void(std::int64_t done)>& progress);
