// The planting's draws from PCG64 instead of Ignaro's generator, for large studies:
// a period of 2^128 with 64-bit outputs, and a separate sequence for every stream
// number, so that every job of a study draws from one of its own.
#pragma once
#include "planting.h"

#include <cstdint>
#include <memory>

// Seeded once, for the whole run: the trials let it run on, and the trial clock has
// no say. Each coordinate is uniform over the forest's size.
std::unique_ptr<TreeDraws> pcgDraws(std::uint64_t seed, std::uint64_t stream);
