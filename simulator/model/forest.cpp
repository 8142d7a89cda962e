// The forest grid and one trial on it: planting around the centre tree, the fire
// swept generation by generation, and the measurement of the burnt fraction.
#include "forest.h"

#include "extended_precision.h"
#include "front_end.h"
#include "planting.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

namespace {

std::uint64_t storedCellCount(std::int32_t xsize, std::int32_t ysize)
{
    return static_cast<std::uint64_t>(forestCellCount(xsize + 2, ysize + 2));
}

void setCell(Forest& forest, std::int32_t x, std::int32_t y, CellState state, FrontEnd* view)
{
    forest.cell(x, y) = state;
    if (view)
        view->drawCell(x, y, state);
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

std::optional<Forest> newForest(std::int32_t xsize, std::int32_t ysize)
{
    const std::uint64_t count = storedCellCount(xsize, ysize);
    if (count > maxForestCells)
        return std::nullopt;
    std::unique_ptr<std::uint8_t[]> grid(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(count)]);
    if (!grid)
        return std::nullopt;
    return Forest{xsize, ysize, std::move(grid), 0};
}

std::span<std::uint8_t> Forest::cells() const
{
    return {grid.get(), static_cast<std::size_t>(storedCellCount(xsize, ysize))};
}

bool plantTrees(Forest& forest, double density, TreeDraws& draws, FrontEnd* view, bool centreTree)
{
    const std::int64_t target = targetTreeCount(forest.xsize, density, forest.ysize);
    std::ranges::fill(forest.cells(), Empty);
    if (view) {
        for (std::int32_t x = 0; x < forest.xsize; ++x)
            for (std::int32_t y = 0; y < forest.ysize; ++y)
                view->drawCell(x, y, Empty);
    }
    forest.planted = 0;
    if (centreTree) {
        setCell(forest, forest.xsize / 2, forest.ysize / 2, Tree, view);
        forest.planted = 1;
    }
    draws.plant(forest, target, view);
    return forest.planted >= target;
}

std::int32_t spreadFire(Forest& forest, FrontEnd* view)
{
    const std::int32_t xsize = forest.xsize;
    const std::int32_t ysize = forest.ysize;
    // Local copies: a store to a byte-sized cell may alias anything else in memory.
    std::uint8_t* const grid = forest.grid.get();
    auto at = [grid, ysize](std::int32_t x, std::int32_t y) -> std::uint8_t& { return grid[cellIndex(x, y, ysize)]; };
    std::int32_t fireTime = 0;
    setCell(forest, xsize / 2, ysize / 2, Burning, view);

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
                            setCell(forest, nx, ny, Igniting, view);
                    }
                }
                setCell(forest, x, y, Burnt, view);
            }
        }
        // Trees caught in this sweep burn only in the next one, whatever the scan
        // order; the promotion is not drawn because both states look alike.
        for (std::uint8_t& state : forest.cells())
            state = state == Igniting ? std::uint8_t{Burning} : state;
        ++fireTime;
    }
    return fireTime;
}

long double measureTrial(const Forest& forest)
{
    // The border is Empty: it counts for neither.
    std::int64_t trees = 0;
    std::int64_t burnt = 0;
    for (std::uint8_t state : forest.cells()) {
        trees += state == Tree;
        burnt += state != Empty && state != Tree;
    }
    return burntFraction(burnt, burnt + trees);
}

long double burntFraction(std::int64_t burntTrees, std::int64_t plantedTrees)
{
    return extendedQuotient(static_cast<long double>(burntTrees), static_cast<long double>(plantedTrees));
}
