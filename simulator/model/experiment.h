// One Ignaro run: all trials at one density, or a series at every density of a
// sweep, with the rows appended to the results file.
#pragma once
#include "run_parameters.h"

#include <cstdint>
#include <filesystem>

// What the run could not do, for the front end to tell the user once.
struct RunReport {
    bool outOfMemory = false;     // nothing was run
    bool resultsNotSaved = false; // some series' rows could not be written
};

RunReport runExperiment(std::int32_t xsize, std::int32_t ysize, double density, std::int32_t trials,
                        bool silent, const std::filesystem::path& fileName);
void runSeries();
bool writeResults(bool silent); // false when the rows did not reach the file

// The densities of a sweep that starts at the given fraction (0.5 for a start of -50 %).
double nextSweepDensity(double density);
constexpr double sweepEnd = 1.01;
