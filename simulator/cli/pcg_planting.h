// The planting's draws from PCG64 instead of Ignaro's generator, for large studies:
// a period of 2^128 with 64-bit outputs, and a separate sequence for every stream
// number, so that every job of a study draws from one of its own.
#pragma once
#include "planting.h"

#include <cstdint>

// Seeded once per run; the trials then let it run on.
void seedPcgPlanting(std::uint64_t seed, std::uint64_t stream);

// Each coordinate uniform over the forest's size; a TreeDraws for runExperiment.
std::int64_t plantPcgTrees(std::span<std::uint8_t> cells, std::int32_t xsize, std::int32_t ysize,
                           std::int64_t trees, std::int64_t target, void (*planted)(std::int32_t x, std::int32_t y));
