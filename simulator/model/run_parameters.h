// The six parameters of one Ignaro run.
#pragma once
#include <cstdint>
#include <filesystem>

// Where a trial's fire is lit: at the centre tree, as the Windows program always
// does, or along the whole first column, for studies of whether a fire crosses the
// forest (ignaro-cli's --ignite edge).
enum class Ignition { Centre, Edge };

struct RunParameters {
    std::int32_t xsize = 0;
    std::int32_t ysize = 0;
    double density = 0;            // a fraction; negative starts a density sweep
    std::int32_t trials = 0;
    bool silent = false;
    std::filesystem::path fileName; // handed to the file system unchanged
    Ignition ignition = Ignition::Centre;
};
