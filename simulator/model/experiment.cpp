// The run of an experiment: single series or density sweep, the rows of the trials
// in the results file, driving the fire view and results window of the front end.
#include "experiment.h"

#include "extended_precision.h"
#include "fire_front.h"
#include "forest.h"
#include "results_file.h"
#include "run_state.h"

#include <new>
#include <optional>
#include <stdexcept>

RunState run;

namespace {

// Rows go to the file as their trials end, so only the results window needs them
// kept: its room is taken before the first trial.
bool reserveShownResults(std::int32_t trials)
{
    try {
        run.shownResults.reserve(static_cast<std::size_t>(trials));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

void freeShownResults() { std::vector<TrialResult>().swap(run.shownResults); }

// A density a little above 1 (the end of a sweep that did not start on a whole
// per cent) asks for more trees than there are cells: such a series is skipped.
bool seriesFits()
{
    const RunParameters& p = run.parameters;
    return targetTreeCount(p.xsize, p.density, p.ysize) <= forestCellCount(p.xsize, p.ysize);
}

// A visible trial sweeps the grid, so that the cells change on screen in grid order
// generation by generation; a silent one only follows the burning front, which
// gives the same fire time and burnt fraction for a fraction of the work. Nothing
// when the forest could not be planted.
std::optional<TrialResult> runTrial()
{
    if (!plantTrees())
        return std::nullopt;
    if (run.parameters.silent) {
        FrontFire fire = spreadFireFront();
        return TrialResult{fire.fireTime, static_cast<double>(burntFraction(fire.burntTrees, plantedTreeCount()))};
    }
    std::int32_t fireTime = spreadFire();
    return TrialResult{fireTime, static_cast<double>(measureTrial())};
}

struct SeriesEnd {
    bool saved = true;    // every row reached the file
    std::error_code error; // why not
    bool stalled = false; // a forest could not be planted: the run ends
};

// One series with its fire view. The results window shows only rows that are in
// the file already.
SeriesEnd runSeries(bool showResults)
{
    SeriesEnd end;
    if (!seriesFits())
        return end;
    const RunParameters& p = run.parameters;
    const FrontEnd* frontEnd = run.frontEnd;
    if (frontEnd)
        frontEnd->openFireView(p.xsize, p.ysize);
    ResultsFile file(p.fileName);
    run.shownResults.clear();
    for (std::int32_t t = 0; t < p.trials; ++t) {
        std::optional<TrialResult> result = runTrial();
        if (!result) {
            end.stalled = true;
            break;
        }
        if (file.isOpen())
            file.writeRow(p.density, result->fireTime, result->burntFraction);
        if (showResults)
            run.shownResults.push_back(*result);
    }
    end.saved = file.close();
    end.error = file.error();
    if (end.saved && showResults && !end.stalled) {
        frontEnd->openResultsWindow(p.xsize, p.ysize, p.trials);
        for (const TrialResult& result : run.shownResults)
            frontEnd->appendResultRow(p.density, result.fireTime, result.burntFraction);
        frontEnd->showResultsWindow();
    }
    if (frontEnd)
        frontEnd->closeFireView();
    return end;
}

} // namespace

double nextSweepDensity(double density)
{
    return static_cast<double>(extendedSum(density, 0.01));
}

RunReport runExperiment(std::int32_t xsize, std::int32_t ysize, double density, std::int32_t trials,
                        bool silent, const std::filesystem::path& fileName, const FrontEnd& frontEnd,
                        TrialClock& clock, TreeDraws treeDraws)
{
    run.parameters = RunParameters{xsize, ysize, density, trials, silent, fileName};
    run.frontEnd = silent ? nullptr : &frontEnd;
    run.clock = &clock;
    run.treeDraws = treeDraws;
    RunReport report;
    const bool single = !(density < 0);
    if (!allocateForest()) {
        report.outOfMemory = true;
        return report;
    }
    if (single && !silent && !reserveShownResults(trials)) {
        freeForest();
        report.tooManyTrials = true;
        return report;
    }

    if (single) {
        SeriesEnd end = runSeries(!silent);
        report.resultsNotSaved = !end.saved;
        report.resultsError = end.error;
        report.plantingStalled = end.stalled;
    } else {
        for (run.parameters.density = -density; run.parameters.density < sweepEnd && !report.plantingStalled;
             run.parameters.density = nextSweepDensity(run.parameters.density)) {
            SeriesEnd end = runSeries(false);
            if (!end.saved && !report.resultsNotSaved)
                report.resultsError = end.error;
            report.resultsNotSaved = report.resultsNotSaved || !end.saved;
            report.plantingStalled = end.stalled;
        }
    }

    std::vector<std::uint32_t>().swap(run.front);
    freeShownResults();
    freeForest();
    return report;
}
