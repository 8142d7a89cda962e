// One Ignaro run: all trials at one density, or a series at every density of a
// sweep, with the rows appended to the results file.
#pragma once
#include "planting.h"
#include "run_parameters.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

// What the run could not do, for the front end to tell the user once.
struct RunReport {
    bool outOfMemory = false;      // no room for the forest: nothing was run
    bool tooManyTrials = false;    // no room to keep the rows for the results window: nothing was run
    bool plantingStalled = false;  // the draws could plant no more trees short of the target: the run ended there
    bool resultsNotSaved = false;  // some series' rows could not be written
    std::error_code resultsError;  // the system's reason, for the first series whose rows were lost
};

struct FrontEnd;
struct TrialClock;
// The front end is used only when the run is not silent; the trees are drawn from
// Ignaro's generator unless other draws are given.
RunReport runExperiment(std::int32_t xsize, std::int32_t ysize, double density, std::int32_t trials,
                        bool silent, const std::filesystem::path& fileName, const FrontEnd& frontEnd,
                        TrialClock& clock, TreeDraws treeDraws = nullptr);

// The densities of a sweep that starts at the given fraction (0.5 for a start of -50 %).
double nextSweepDensity(double density);
constexpr double sweepEnd = 1.01;
