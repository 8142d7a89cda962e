// One Ignaro run: all trials at one density, or a series at every density of a
// sweep, with the rows appended to the results file.
#pragma once
#include "run_parameters.h"

#include <cstdint>
#include <functional>
#include <span>
#include <system_error>
#include <vector>

class FrontEnd;
class TreeDraws;

// What the run could not do, for the front end to tell the user once.
struct RunReport {
    bool outOfMemory = false;      // no room for the forest: nothing was run
    bool tooManyTrials = false;    // no room to keep the rows for the results window: nothing was run
    bool plantingStalled = false;  // the draws could plant no more trees short of the target: the run ended there
    bool resultsNotSaved = false;  // some series' rows could not be written
    std::error_code resultsError;  // the system's reason, for the first series whose rows were lost
    bool endedCutLine = false;     // the file's last line had no end (a row cut short?) and was ended first
};

struct TrialResult {
    std::int32_t fireTime;
    double burntFraction;
    int crossed = -1; // an edge-lit fire: 1 when it reached the last column
};

// The densities of a run's series: its one density, or every density of its sweep
// but those a little above 1 that ask for more trees than there are cells.
std::vector<double> seriesDensities(const RunParameters& parameters);

// The densities of a sweep that starts at the given fraction (0.5 for a start of -50 %).
double nextSweepDensity(double density);
constexpr double sweepEnd = 1.01;

// Told of every trial as it ends, after its row was handed to the file.
using TrialDone = std::function<void(double density, const TrialResult& result)>;

// The one loop over a run's trials: parameters.trials trials at each of `densities`
// in turn, with the trees from `draws`. With a front end, each series burns in its
// fire view, and a single series (a density from 0 up) shows its saved rows in the
// results window. The run ends at the first forest that cannot be planted.
RunReport runSeries(const RunParameters& parameters, std::span<const double> densities, TreeDraws& draws,
                    FrontEnd* frontEnd, const TrialDone& trialDone = {});

// Every series of the run; the front end is used only when the run is not silent.
RunReport runExperiment(const RunParameters& parameters, TreeDraws& draws, FrontEnd* frontEnd);
