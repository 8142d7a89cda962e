// Per-density statistics of a results file, for researchers who want curves rather
// than pages of rows: trials, mean, standard deviation and 95 % interval of the mean
// of the fire time, the burnt fraction and (for edge-lit fires) the crossings, and
// the density whose fires lasted longest on average, a rough threshold estimate.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct DensitySummary {
    double density = 0;
    std::int64_t trials = 0;
    double meanFireTime = 0, fireTimeDeviation = 0, fireTimeInterval = 0; // sample deviations,
    double meanBurntFraction = 0, burntFractionDeviation = 0, burntFractionInterval = 0; // 95 % half-widths
    double crossedFraction = 0, crossedDeviation = 0, crossedInterval = 0; // rows that say whether the fire crossed
};

struct ResultsSummary {
    std::vector<DensitySummary> densities; // in increasing density
    bool crossings = false;                // the rows have a fourth column, 1 when the fire crossed
    std::string error;                     // "FILE:LINE: ..." when a row could not be read
};

ResultsSummary summarizeResults(const std::filesystem::path& file);
// The table the command line prints, and its threshold line.
std::string formatSummary(const ResultsSummary& summary);
