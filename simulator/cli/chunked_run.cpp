// Chunks start at one trial and double while they take less than a tenth of a
// second, so that the progress moves often and the runs' set-up stays cheap.
#include "chunked_run.h"

#include "forest.h"
#include "front_end.h"

#include <algorithm>
#include <chrono>

std::vector<double> seriesDensities(const RunParameters& parameters)
{
    const RunParameters& p = parameters;
    auto fits = [&](double density) {
        return targetTreeCount(p.xsize, density, p.ysize) <= forestCellCount(p.xsize, p.ysize);
    };
    std::vector<double> densities;
    if (!(p.density < 0)) {
        if (fits(p.density))
            densities.push_back(p.density);
        return densities;
    }
    for (double density = -p.density; density < sweepEnd; density = nextSweepDensity(density))
        if (fits(density))
            densities.push_back(density);
    return densities;
}

RunReport runInChunks(const RunParameters& parameters, const std::vector<double>& densities, TrialClock& clock,
                      TreeDraws treeDraws, const std::function<void(std::int64_t done)>& progress)
{
    static const FrontEnd none{}; // a silent run has no front end to call
    const RunParameters& p = parameters;
    RunReport total;
    std::int32_t chunk = 1;
    std::int64_t done = 0;
    for (double density : densities) {
        for (std::int32_t trial = 0; trial < p.trials;) {
            const std::int32_t trials = std::min(chunk, p.trials - trial);
            const auto start = std::chrono::steady_clock::now();
            const RunReport report =
                runExperiment(p.xsize, p.ysize, density, trials, true, p.fileName, none, clock, treeDraws);
            // Trials whose rows cannot be written are not worth running: the run ends.
            if (report.outOfMemory || report.plantingStalled || report.resultsNotSaved) {
                total.outOfMemory = report.outOfMemory;
                total.plantingStalled = report.plantingStalled;
                total.resultsNotSaved = report.resultsNotSaved;
                total.resultsError = report.resultsError;
                return total;
            }
            trial += trials;
            done += trials;
            progress(done);
            if (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(100))
                chunk = chunk > p.trials / 2 ? p.trials : 2 * chunk;
        }
    }
    return total;
}
