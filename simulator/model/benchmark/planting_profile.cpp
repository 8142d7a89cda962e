#include "planting_profile.h"

#include "forest.h"
#include "run_state.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::time_t plantingSecond = 0;

// Draws (pairs of coordinates) that planting `trees` trees into `cells` cells takes
// on average: once k cells are taken, a draw finds a free one with (cells - k) / cells.
double expectedDraws(std::int64_t cells, std::int64_t trees)
{
    double draws = 0;
    for (std::int64_t taken = 1; taken < trees; ++taken)
        draws += static_cast<double>(cells) / static_cast<double>(cells - taken);
    return draws;
}

struct Way {
    const char* name;
    void (*plant)(std::span<std::int16_t>, std::int32_t, std::int32_t, std::int64_t, std::uint32_t);
    double milliseconds = 0;
    bool sameForests = true;
};

void plantWithCompilersConversion(std::span<std::int16_t> grid, std::int32_t xsize, std::int32_t ysize,
                                  std::int64_t target, std::uint32_t seed)
{
    plantWith(grid, xsize, ysize, target, seed, [](long double value) { return static_cast<std::int32_t>(value); });
}

void plantWithTruncateExtended(std::span<std::int16_t> grid, std::int32_t xsize, std::int32_t ysize,
                               std::int64_t target, std::uint32_t seed)
{
    plantWith(grid, xsize, ysize, target, seed, truncateExtended);
}

} // namespace

void printPlantingProfile(double secondsBudget)
{
    constexpr std::int32_t side = 400;
    constexpr double density = 0.45;
    run.parameters = RunParameters{side, side, density, 1, true, {}};
    allocateForest();
    const std::int64_t target = targetTreeCount(side, density, side);
    std::vector<std::int16_t> grid(forestCells().size());

    const bool hasSse3 = __builtin_cpu_supports("sse3");
    std::vector<Way> ways{{"compiler's conversion, no SSE3 (two fldcw each)", plantWithCompilersConversion},
                          {"truncateExtended (fistp, then a step back)", plantWithTruncateExtended}};
    if (hasSse3)
        ways.push_back({"compiler's conversion built with -msse3 (fisttp)", plantWithSse3Conversion});
    double asBuilt = 0;

    // Each forest is planted by plantTrees itself and by the loop with each way of
    // truncating, from the same seed; all must agree.
    setTrialClock([] { return plantingSecond; });
    int forests = 0;
    const Clock::time_point begin = Clock::now();
    while (forests < 3 || std::chrono::duration<double>(Clock::now() - begin).count() < secondsBudget) {
        plantingSecond = 1000000000 + forests;
        forgetLastSeeding();
        Clock::time_point start = Clock::now();
        plantTrees();
        asBuilt += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        for (Way& way : ways) {
            start = Clock::now();
            way.plant(grid, side, side, target, static_cast<std::uint32_t>(plantingSecond));
            way.milliseconds += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            way.sameForests = way.sameForests && std::ranges::equal(grid, forestCells());
        }
        ++forests;
    }
    freeForest();

    std::printf("Planting profile: %d x %d forests at %.0f %%, %lld trees, about %.0f coordinates each;\n"
                "mean ms per forest over %d forests\n",
                side, side, density * 100, static_cast<long long>(target),
                2 * expectedDraws(forestCellCount(side, side), target), forests);
    std::printf("  %-54s %7.3f\n", "plantTrees as built", asBuilt / forests);
    for (const Way& way : ways)
        std::printf("  %-54s %7.3f%s\n", way.name, way.milliseconds / forests,
                    way.sameForests ? "" : "  PLANTED OTHER FORESTS");
    if (!hasSse3)
        std::printf("  (this CPU has no SSE3: fisttp not timed)\n");
    std::printf("\n");
}
