// The run of an experiment: single series or density sweep, the rows of the trials
// in the results file, driving the fire view and results window of the front end.
#include "experiment.h"

#include "extended_precision.h"
#include "fire_front.h"
#include "forest.h"
#include "front_end.h"
#include "results_file.h"

#include <new>
#include <optional>
#include <stdexcept>

namespace {

// Rows go to the file as their trials end, so only the results window needs them
// kept: its room is taken before the first trial.
bool reserveShownResults(std::vector<TrialResult>& shown, std::int32_t trials)
{
    try {
        shown.reserve(static_cast<std::size_t>(trials));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

// What one run keeps from trial to trial.
struct Run {
    const RunParameters& parameters;
    TreeDraws& draws;
    FrontEnd* view; // null in a silent run
    Forest forest;
    // Grid indices of the burning front of a silent trial and of the trees it sets alight.
    std::vector<std::uint32_t> front;
    std::vector<TrialResult> shown; // a visible single series' rows, for the results window
};

// A visible trial sweeps the grid, so that the cells change on screen in grid order
// generation by generation; a silent one only follows the burning front, which
// gives the same fire time and burnt fraction for a fraction of the work. Nothing
// when the forest could not be planted.
std::optional<TrialResult> runTrial(Run& run, double density)
{
    const bool edge = run.parameters.ignition == Ignition::Edge;
    if (!plantTrees(run.forest, density, run.draws, run.view, !edge))
        return std::nullopt;
    if (edge) {
        // Only ignaro-cli lights the edge, and it runs silent trials only. A forest
        // without trees has nothing burnt.
        const EdgeFire edgeFire = spreadEdgeFire(run.forest, run.front);
        const std::int64_t planted = run.forest.planted;
        return TrialResult{edgeFire.fire.fireTime,
                           planted ? static_cast<double>(burntFraction(edgeFire.fire.burntTrees, planted)) : 0.0,
                           edgeFire.crossed ? 1 : 0};
    }
    if (!run.view) {
        const FrontFire fire = spreadFireFront(run.forest, run.front);
        return TrialResult{fire.fireTime, static_cast<double>(burntFraction(fire.burntTrees, run.forest.planted))};
    }
    const std::int32_t fireTime = spreadFire(run.forest, run.view);
    return TrialResult{fireTime, static_cast<double>(measureTrial(run.forest))};
}

struct SeriesEnd {
    bool saved = true;    // every row reached the file
    std::error_code error; // why not
    bool stalled = false; // a forest could not be planted: the run ends
    bool endedCutLine = false;
};

// One series with its fire view. The results window shows only rows that are in
// the file already.
SeriesEnd runOneSeries(Run& run, double density, bool showResults, const TrialDone& trialDone)
{
    SeriesEnd end;
    const RunParameters& p = run.parameters;
    if (run.view)
        run.view->openFireView(run.forest);
    ResultsFile file(p.fileName);
    run.shown.clear();
    for (std::int32_t t = 0; t < p.trials; ++t) {
        // Rows that cannot reach the file are not worth computing, unless someone
        // watches the fire.
        if (file.error() && !run.view)
            break;
        const std::optional<TrialResult> result = runTrial(run, density);
        if (!result) {
            end.stalled = true;
            break;
        }
        file.writeRow(density, result->fireTime, result->burntFraction, result->crossed);
        if (showResults)
            run.shown.push_back(*result);
        if (trialDone)
            trialDone(density, *result);
    }
    end.saved = file.close();
    end.error = file.error();
    end.endedCutLine = file.endedCutLine();
    if (end.saved && showResults && !end.stalled) {
        run.view->openResultsWindow(p.xsize, p.ysize, p.trials);
        for (const TrialResult& result : run.shown)
            run.view->appendResultRow(density, result.fireTime, result.burntFraction);
        run.view->showResultsWindow();
    }
    if (run.view)
        run.view->closeFireView();
    return end;
}

} // namespace

double nextSweepDensity(double density)
{
    return static_cast<double>(extendedSum(density, 0.01));
}

std::vector<double> seriesDensities(const RunParameters& parameters)
{
    const RunParameters& p = parameters;
    // A density a little above 1 (the end of a sweep that did not start on a whole
    // per cent) asks for more trees than there are cells.
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

RunReport runSeries(const RunParameters& parameters, std::span<const double> densities, TreeDraws& draws,
                    FrontEnd* frontEnd, const TrialDone& trialDone)
{
    RunReport report;
    std::optional<Forest> forest = newForest(parameters.xsize, parameters.ysize);
    if (!forest) {
        report.outOfMemory = true;
        return report;
    }
    Run run{parameters, draws, frontEnd, std::move(*forest), {}, {}};
    const bool showResults = frontEnd && !(parameters.density < 0);
    if (showResults && !reserveShownResults(run.shown, parameters.trials)) {
        report.tooManyTrials = true;
        return report;
    }
    for (double density : densities) {
        const SeriesEnd end = runOneSeries(run, density, showResults, trialDone);
        if (!end.saved && !report.resultsNotSaved)
            report.resultsError = end.error;
        report.resultsNotSaved = report.resultsNotSaved || !end.saved;
        report.endedCutLine = report.endedCutLine || end.endedCutLine;
        report.plantingStalled = end.stalled;
        if (end.stalled)
            break;
    }
    return report;
}

RunReport runExperiment(const RunParameters& parameters, TreeDraws& draws, FrontEnd* frontEnd)
{
    return runSeries(parameters, seriesDensities(parameters), draws, parameters.silent ? nullptr : frontEnd);
}
