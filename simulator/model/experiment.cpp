// The run of an experiment: single series or density sweep, the per-trial results
// and the results file, driving the fire view and results window of the front end.
#include "experiment.h"

#include "extended_precision.h"
#include "fire_front.h"
#include "forest.h"
#include "front_end.h"
#include "results_file.h"
#include "run_state.h"

#include <new>

RunState run;

namespace {

bool allocateTrialResults(std::int32_t trials)
{
    try {
        run.fireTimes.assign(static_cast<std::size_t>(trials), 0);
        run.burntFractions.assign(static_cast<std::size_t>(trials), 0.0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void freeTrialResults()
{
    std::vector<double>().swap(run.burntFractions);
    std::vector<std::int32_t>().swap(run.fireTimes);
}

// A density a little above 1 (the end of a sweep that did not start on a whole
// per cent) asks for more trees than there are cells: such a series is skipped.
bool seriesFits()
{
    const RunParameters& p = run.parameters;
    return targetTreeCount(p.xsize, p.density, p.ysize) <= forestCellCount(p.xsize, p.ysize);
}

// One series with its fire view; false when its rows were lost.
bool runSeriesWithView(bool showResults)
{
    if (!seriesFits())
        return true;
    const bool silent = run.parameters.silent;
    if (!silent)
        openFireView(run.parameters.xsize, run.parameters.ysize);
    runSeries();
    bool saved = writeResults(!showResults || silent);
    if (!silent)
        closeFireView();
    return saved;
}

} // namespace

double nextSweepDensity(double density)
{
    return static_cast<double>(extendedSum(density, 0.01));
}

RunReport runExperiment(std::int32_t xsize, std::int32_t ysize, double density, std::int32_t trials,
                        bool silent, const std::filesystem::path& fileName)
{
    run.parameters = RunParameters{xsize, ysize, density, trials, silent, fileName};
    RunReport report;
    if (!allocateForest() || !allocateTrialResults(trials)) {
        freeTrialResults();
        freeForest();
        report.outOfMemory = true;
        return report;
    }

    if (!(density < 0)) {
        report.resultsNotSaved = !runSeriesWithView(true);
    } else {
        for (run.parameters.density = -density; run.parameters.density < sweepEnd;
             run.parameters.density = nextSweepDensity(run.parameters.density)) {
            if (!runSeriesWithView(false))
                report.resultsNotSaved = true;
        }
    }

    freeFireFront();
    freeTrialResults();
    freeForest();
    return report;
}

// A visible trial sweeps the grid, so that the cells change on screen in grid order
// generation by generation; a silent one only follows the burning front, which
// gives the same fire time and burnt fraction for a fraction of the work.
void runSeries()
{
    for (std::int32_t t = 0; t < run.parameters.trials; ++t) {
        plantTrees();
        if (run.parameters.silent) {
            FrontFire fire = spreadFireFront();
            run.fireTimes[t] = fire.fireTime;
            run.burntFractions[t] = static_cast<double>(burntFraction(fire.burntTrees, plantedTreeCount()));
        } else {
            run.fireTimes[t] = spreadFire();
            run.burntFractions[t] = static_cast<double>(measureTrial());
        }
    }
}

bool writeResults(bool silent)
{
    ResultsFile file(run.parameters.fileName);
    if (!file.isOpen())
        return false;
    const RunParameters& p = run.parameters;
    if (!silent)
        openResultsWindow(p.xsize, p.ysize, p.trials);
    for (std::int32_t t = 0; t < p.trials; ++t) {
        file.writeRow(p.density, run.fireTimes[t], run.burntFractions[t]);
        if (!silent)
            appendResultRow(p.density, run.fireTimes[t], run.burntFractions[t]);
    }
    if (!silent)
        showResultsWindow();
    return file.close();
}
