// The command line of ignaro-cli: Ignaro.exe's six arguments, then options that
// start with "--", in any order after or between them. Anything else that starts
// with "-" and a letter is a mistyped option, refused.
#pragma once
#include "run_parameters.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class GeneratorChoice { Windows, Pcg64 };

struct CliOptions {
    std::vector<std::string> arguments;   // the run's own, as Ignaro.exe takes them
    std::optional<std::uint64_t> seed;    // seed once and let the generator run on
    GeneratorChoice generator = GeneratorChoice::Windows;
    std::optional<std::uint64_t> stream;  // pcg64 only
    std::optional<std::uint64_t> series;  // run only this series of a sweep
    Ignition ignition = Ignition::Centre;
    bool listSeries = false;
    bool check = false;                   // check the run's arguments, then stop before it
    std::optional<std::string> summary;   // a results file to sum up instead of a run
    bool help = false;
    bool version = false;
    std::string error;                    // set when the options cannot be used
};

CliOptions readOptions(std::span<const std::string> args);
