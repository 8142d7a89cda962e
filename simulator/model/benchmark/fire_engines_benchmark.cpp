// Times the planting, the sweep engine (spreadFire and measureTrial, as visible
// trials run) and the front engine (spreadFireFront, as silent trials run) on the
// same forests, and checks on the way that both engines give the same results.
//
//   fire_engines_benchmark [seconds per forest shape and density, default 1]
//
// Build it optimised: cmake --preset bench && cmake --build --preset bench
#include "fire_front.h"
#include "forest.h"
#include "planting.h"
#include "planting_profile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct EngineFigures {
    int trials = 0;
    double planting = 0; // milliseconds, summed over the trials
    double sweep = 0;
    double front = 0;
    double fireTime = 0; // summed
    double burntFraction = 0;
    std::size_t frontCells = 0; // room the front's buffer took
    std::size_t gridCells = 0;  // border included, one byte each
    bool enginesAgree = true;
};

EngineFigures timeEngines(std::int32_t side, double density, double secondsBudget)
{
    std::optional<Forest> made = newForest(side, side);
    if (!made) {
        std::fprintf(stderr, "no memory for a %d x %d forest\n", side, side);
        std::exit(1);
    }
    Forest& forest = *made;
    // The same forests on every run of the benchmark.
    GeneratorDraws draws(TrialClock{[] { return std::time_t{1000000000}; }});
    std::vector<std::uint32_t> front;

    EngineFigures figures;
    std::vector<std::uint8_t> grid;
    const Clock::time_point begin = Clock::now();
    while (figures.trials < 3 || (millisecondsSince(begin) < secondsBudget * 1000 && figures.trials < 10000)) {
        Clock::time_point start = Clock::now();
        plantTrees(forest, density, draws, nullptr);
        figures.planting += millisecondsSince(start);
        grid.assign(forest.cells().begin(), forest.cells().end());

        start = Clock::now();
        FrontFire fire = spreadFireFront(forest, front);
        long double frontFraction = burntFraction(fire.burntTrees, forest.planted);
        figures.front += millisecondsSince(start);

        std::ranges::copy(grid, forest.cells().begin());
        start = Clock::now();
        std::int32_t sweepFireTime = spreadFire(forest, nullptr);
        long double sweepFraction = measureTrial(forest);
        figures.sweep += millisecondsSince(start);

        figures.enginesAgree = figures.enginesAgree && fire.fireTime == sweepFireTime && frontFraction == sweepFraction;
        figures.fireTime += sweepFireTime;
        figures.burntFraction += static_cast<double>(sweepFraction);
        ++figures.trials;
    }
    figures.frontCells = front.capacity();
    figures.gridCells = forest.cells().size();
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    const double secondsBudget = argc > 1 ? std::atof(argv[1]) : 1.0;
    printPlantingProfile(secondsBudget);

    std::printf("Fire engines: mean ms per trial on the same forests; at least 3 trials, more within %.3g s\n",
                secondsBudget);
    std::printf("fire = fire and measurement; trial/planting = (planting + front fire) / planting\n");
    std::printf("%-11s %7s %6s %9s %10s %9s %8s %8s %6s %6s %8s %8s\n", "forest", "density", "trials", "planting",
                "sweep fire", "front fire", "sweep/", "trial/", "fire", "burnt", "grid", "front");
    std::printf("%-11s %7s %6s %9s %10s %9s %8s %8s %6s %6s %8s %8s\n", "", "", "", "", "", "", "front", "planting",
                "time", "", "KiB", "KiB");
    bool allAgree = true;
    EngineFigures goal; // 400 x 400 at 45 %
    for (std::int32_t side : {100, 400, 1000}) {
        for (double density : {0.30, 0.41, 0.45, 0.60}) {
            EngineFigures f = timeEngines(side, density, secondsBudget);
            allAgree = allAgree && f.enginesAgree;
            if (side == 400 && density == 0.45)
                goal = f;
            const double n = f.trials;
            std::printf("%4d x %-4d %6.0f%% %6d %9.3f %10.3f %9.4f %8.1f %8.2f %6.0f %6.3f %8.0f %8.0f%s\n", side, side,
                        density * 100, f.trials, f.planting / n, f.sweep / n, f.front / n, f.sweep / f.front,
                        (f.planting + f.front) / f.planting, f.fireTime / n, f.burntFraction / n,
                        static_cast<double>(f.gridCells) / 1024,
                        static_cast<double>(f.frontCells) * sizeof(std::uint32_t) / 1024,
                        f.enginesAgree ? "" : "  ENGINES DIFFER");
        }
    }
    std::printf("both engines gave the same fire times and burnt fractions: %s\n", allAgree ? "yes" : "NO");
    std::printf("400 x 400 at 45 %%: the front engine is %.0f times as fast as the sweep; a whole silent trial\n"
                "costs %.2f times the planting alone\n",
                goal.sweep / goal.front, (goal.planting + goal.front) / goal.planting);
    const double planting = goal.planting / goal.trials;
    const double trial = (goal.planting + goal.front) / goal.trials;
    std::printf("goals at 400 x 400 and 45 %%: planting %.3f ms (at most 0.5: %s), whole silent trial %.3f ms "
                "(at most 1.0: %s)\n",
                planting, planting <= 0.5 ? "met" : "MISSED", trial, trial <= 1.0 ? "met" : "MISSED");
    return allAgree ? 0 : 1;
}
