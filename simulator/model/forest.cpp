// The forest grid and one trial on it: planting around the centre tree, the fire
// swept generation by generation, and the measurement of the burnt fraction.
#include "forest.h"

#include "extended_precision.h"
#include "planting.h"
#include "random_generator.h"
#include "run_state.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Column by column inside a border (cellIndex): every pass over the grid runs x in
// the outer and y in the inner loop.
std::unique_ptr<std::uint8_t[]> cells;
std::int64_t lastPlantedCount = 0;

std::uint8_t& cell(std::int32_t x, std::int32_t y) { return cells[cellIndex(x, y, run.parameters.ysize)]; }

std::uint64_t storedCellCount(std::int32_t xsize, std::int32_t ysize)
{
    return static_cast<std::uint64_t>(forestCellCount(xsize + 2, ysize + 2));
}

void setCell(std::int32_t x, std::int32_t y, CellState state)
{
    cell(x, y) = state;
    if (run.frontEnd)
        run.frontEnd->drawCell(x, y, state);
}

void drawTree(std::int32_t x, std::int32_t y) { run.frontEnd->drawCell(x, y, Tree); }

std::int32_t centreX() { return run.parameters.xsize / 2; }
std::int32_t centreY() { return run.parameters.ysize / 2; }

// Every trial is seeded from the clock, unless it starts within the second of the
// last seeding (trial_clock.h).
void seedForTrial()
{
    TrialClock& clock = *run.clock;
    const std::time_t now = clock.now();
    if (clock.seeded && now == clock.lastSeeding)
        return;
    seedGenerator(static_cast<std::uint32_t>(now));
    clock.lastSeeding = now;
    clock.seeded = true;
}

std::int32_t clampToGrid(std::int32_t index, std::int32_t size)
{
    if (index < 0)
        return 0;
    return index == size ? size - 1 : index;
}

} // namespace

std::int64_t forestCellCount(std::int32_t xsize, std::int32_t ysize)
{
    return static_cast<std::int64_t>(xsize) * static_cast<std::int64_t>(ysize);
}

std::int64_t targetTreeCount(std::int32_t xsize, double density, std::int32_t ysize)
{
    // The order of the products is part of the result: (xsize * density) * ysize.
    long double product = extendedProduct(static_cast<long double>(xsize), static_cast<long double>(density));
    return static_cast<std::int64_t>(extendedProduct(product, static_cast<long double>(ysize)));
}

bool allocateForest()
{
    const std::uint64_t count = storedCellCount(run.parameters.xsize, run.parameters.ysize);
    if (count > maxForestCells)
        return false;
    cells.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(count)]);
    return cells != nullptr;
}

void freeForest() { cells.reset(); }

CellState cellAt(std::int32_t x, std::int32_t y) { return static_cast<CellState>(cell(x, y)); }

void plantCentreTree() { setCell(centreX(), centreY(), Tree); }

void igniteCentre() { setCell(centreX(), centreY(), Burning); }

bool plantTrees()
{
    const RunParameters& p = run.parameters;
    const std::int64_t target = targetTreeCount(p.xsize, p.density, p.ysize);

    std::ranges::fill(forestCells(), Empty);
    if (run.frontEnd) {
        for (std::int32_t x = 0; x < p.xsize; ++x)
            for (std::int32_t y = 0; y < p.ysize; ++y)
                run.frontEnd->drawCell(x, y, Empty);
    }
    plantCentreTree();
    void (*const planted)(std::int32_t, std::int32_t) = run.frontEnd ? drawTree : nullptr;
    if (run.treeDraws) {
        lastPlantedCount = run.treeDraws(forestCells(), p.xsize, p.ysize, 1, target, planted);
    } else {
        seedForTrial();
        lastPlantedCount = plantDrawnTrees(forestCells(), p.xsize, p.ysize, 1, target, distinctDraws, planted);
    }
    return lastPlantedCount >= target;
}

std::int64_t plantedTreeCount() { return lastPlantedCount; }

std::int32_t spreadFire()
{
    const std::int32_t xsize = run.parameters.xsize;
    const std::int32_t ysize = run.parameters.ysize;
    // Local copies: a store to a byte-sized cell may alias anything else in memory.
    std::uint8_t* const grid = cells.get();
    auto at = [grid, ysize](std::int32_t x, std::int32_t y) -> std::uint8_t& { return grid[cellIndex(x, y, ysize)]; };
    std::int32_t fireTime = 0;
    igniteCentre();

    bool active = true;
    while (active) {
        active = false;
        for (std::int32_t x = 0; x < xsize; ++x) {
            // Few cells burn at a time: the search for the next one skips the rest
            // many at a step. No cell turns Burning during the sweep, so the search
            // goes on after each one whatever changed around it.
            std::uint8_t* const column = &at(x, 0);
            for (std::uint8_t* burning = column;
                 (burning = static_cast<std::uint8_t*>(std::memchr(burning, Burning, column + ysize - burning)));
                 ++burning) {
                const auto y = static_cast<std::int32_t>(burning - column);
                active = true;
                for (std::int32_t dy = -1; dy <= 1; ++dy) {
                    std::int32_t ny = clampToGrid(y + dy, ysize);
                    for (std::int32_t dx = -1; dx <= 1; ++dx) {
                        std::int32_t nx = clampToGrid(x + dx, xsize);
                        if (at(nx, ny) == Tree)
                            setCell(nx, ny, Igniting);
                    }
                }
                setCell(x, y, Burnt);
            }
        }
        // Trees caught in this sweep burn only in the next one, whatever the scan
        // order; the promotion is not drawn because both states look alike.
        for (std::uint8_t& state : forestCells())
            state = state == Igniting ? std::uint8_t{Burning} : state;
        ++fireTime;
    }
    return fireTime;
}

long double measureTrial()
{
    // The border is Empty: it counts for neither.
    std::int64_t trees = 0;
    std::int64_t burnt = 0;
    for (std::uint8_t state : forestCells()) {
        trees += state == Tree;
        burnt += state != Empty && state != Tree;
    }
    return burntFraction(burnt, burnt + trees);
}

long double burntFraction(std::int64_t burntTrees, std::int64_t plantedTrees)
{
    return extendedQuotient(static_cast<long double>(burntTrees), static_cast<long double>(plantedTrees));
}

std::span<std::uint8_t> forestCells()
{
    return {cells.get(), static_cast<std::size_t>(storedCellCount(run.parameters.xsize, run.parameters.ysize))};
}

void placeCell(std::int32_t x, std::int32_t y, CellState state) { cell(x, y) = state; }
