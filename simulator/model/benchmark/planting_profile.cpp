#include "planting_profile.h"

#include "extended_precision.h"
#include "forest.h"
#include "planting.h"
#include "random_generator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Draws (pairs of coordinates) that planting `trees` trees into `cells` cells takes
// on average: once k cells are taken, a draw finds a free one with (cells - k) / cells.
double expectedDraws(std::int64_t cells, std::int64_t trees)
{
    double draws = 0;
    for (std::int64_t taken = 1; taken < trees; ++taken)
        draws += static_cast<double>(cells) / static_cast<double>(cells - taken);
    return draws;
}

void plantPlainly(std::vector<std::uint8_t>& grid, std::int32_t xsize, std::int32_t ysize, std::int64_t target,
                  std::uint32_t seed)
{
    std::ranges::fill(grid, Empty);
    grid[static_cast<std::size_t>(xsize / 2) * static_cast<std::size_t>(ysize) + static_cast<std::size_t>(ysize / 2)] =
        Tree;
    Generator generator(seed);
    ExtendedPrecisionScope precision;
    auto coordinate = [&generator](std::int32_t size) {
        auto value = static_cast<std::int32_t>(truncateExtended(generator.unit() * static_cast<long double>(size)));
        return value == size ? size - 1 : value;
    };
    for (std::int64_t planted = 1; planted < target;) {
        std::int32_t x = coordinate(xsize);
        std::int32_t y = coordinate(ysize);
        std::uint8_t& cell = grid[static_cast<std::size_t>(x) * static_cast<std::size_t>(ysize) + static_cast<std::size_t>(y)];
        if (cell != Empty)
            continue;
        cell = Tree;
        ++planted;
    }
}

bool sameForest(const std::vector<std::uint8_t>& grid, const Forest& forest, std::int32_t xsize, std::int32_t ysize)
{
    for (std::int32_t x = 0; x < xsize; ++x)
        for (std::int32_t y = 0; y < ysize; ++y)
            if (grid[static_cast<std::size_t>(x) * static_cast<std::size_t>(ysize) + static_cast<std::size_t>(y)] !=
                forest.at(x, y))
                return false;
    return true;
}

} // namespace

void printPlantingProfile(double secondsBudget)
{
    constexpr std::int32_t side = 400;
    constexpr double density = 0.45;
    Forest forest = *newForest(side, side);
    const std::int64_t target = targetTreeCount(side, density, side);
    std::vector<std::uint8_t> grid(static_cast<std::size_t>(forestCellCount(side, side)));

    // Each forest is planted by plantTrees and by the plain loop from the same seed.
    std::time_t plantingSecond = 0;
    GeneratorDraws draws(TrialClock{[&plantingSecond] { return plantingSecond; }});
    double tables = 0, plain = 0;
    bool sameForests = true;
    int forests = 0;
    const Clock::time_point begin = Clock::now();
    while (forests < 3 || std::chrono::duration<double>(Clock::now() - begin).count() < secondsBudget) {
        plantingSecond = 1000000000 + forests;
        draws.clock.seeded = false;
        Clock::time_point start = Clock::now();
        plantTrees(forest, density, draws, nullptr);
        tables += millisecondsSince(start);
        start = Clock::now();
        plantPlainly(grid, side, side, target, static_cast<std::uint32_t>(plantingSecond));
        plain += millisecondsSince(start);
        sameForests = sameForests && sameForest(grid, forest, side, side);
        ++forests;
    }

    std::printf("Planting profile: %d x %d forests at %.0f %%, %lld trees, about %.0f coordinates each;\n"
                "mean ms per forest over %d forests\n",
                side, side, density * 100, static_cast<long long>(target),
                2 * expectedDraws(forestCellCount(side, side), target), forests);
    std::printf("  %-54s %7.3f\n", "plantTrees: coordinate tables, cells fetched ahead", tables / forests);
    std::printf("  %-54s %7.3f%s\n\n", "a product and a truncation per coordinate", plain / forests,
                sameForests ? "" : "  PLANTED OTHER FORESTS");
}
