// Where the planting's time goes. Each coordinate is a generator step, two
// extended-precision products and a truncation to an integer; the truncation is
// what depends on the build. The loop below is plantTrees' own, with the way of
// truncating left open, so that each way can be timed planting the same forests.
#pragma once
#include "cell_state.h"
#include "extended_precision.h"
#include "random_generator.h"

#include <algorithm>
#include <cstdint>
#include <span>

template <typename Truncate>
void plantWith(std::span<std::int16_t> grid, std::int32_t xsize, std::int32_t ysize, std::int64_t target,
               std::uint32_t seed, Truncate truncate)
{
    std::ranges::fill(grid, Empty);
    grid[static_cast<std::size_t>(xsize / 2) * static_cast<std::size_t>(ysize) + static_cast<std::size_t>(ysize / 2)] =
        Tree;
    seedGenerator(seed);
    ExtendedPrecisionScope precision;
    auto coordinate = [&](std::int32_t size) {
        auto value = static_cast<std::int32_t>(truncate(randomUnit() * static_cast<long double>(size)));
        return value == size ? size - 1 : value;
    };
    for (std::int64_t planted = 1; planted < target;) {
        std::int32_t x = coordinate(xsize);
        std::int32_t y = coordinate(ysize);
        std::int16_t& cell = grid[static_cast<std::size_t>(x) * static_cast<std::size_t>(ysize) + static_cast<std::size_t>(y)];
        if (cell != Empty)
            continue;
        cell = Tree;
        ++planted;
    }
}

// Built with -msse3: the compiler's own conversion then truncates with fisttp.
void plantWithSse3Conversion(std::span<std::int16_t> grid, std::int32_t xsize, std::int32_t ysize,
                             std::int64_t target, std::uint32_t seed);

void printPlantingProfile(double secondsBudget);
