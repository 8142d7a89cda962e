// Per-density statistics of a results file, for researchers who want curves rather
// than pages of rows: trials, mean and standard deviation of the fire time and of the
// burnt fraction, and the density whose fires lasted longest on average, which
// estimates the percolation threshold.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct DensitySummary {
    double density = 0;
    std::int64_t trials = 0;
    double meanFireTime = 0, fireTimeDeviation = 0;         // sample standard deviations
    double meanBurntFraction = 0, burntFractionDeviation = 0;
};

struct ResultsSummary {
    std::vector<DensitySummary> densities; // in increasing density
    std::string error;                     // "FILE:LINE: ..." when a row could not be read
};

ResultsSummary summarizeResults(const std::filesystem::path& file);
// The table the command line prints, and its threshold line.
std::string formatSummary(const ResultsSummary& summary);
