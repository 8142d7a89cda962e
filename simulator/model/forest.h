// A forest and one trial on it: planting around the centre tree, the fire swept
// generation by generation, and the measurement of the burnt fraction.
#pragma once
#include "cell_state.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class FrontEnd;
class TreeDraws;

// The fire front addresses cells by 32-bit index, border included: larger grids
// are refused, like those that do not fit in memory. The front end allows at most
// 32768 x 32768 cells, 2^30.
constexpr std::uint64_t maxForestCells = std::uint64_t{1} << 31;

// The grid column by column inside a border of Empty cells, so that the neighbours
// of any cell can be visited without a test at the edges.
constexpr std::uint32_t cellIndex(std::int32_t x, std::int32_t y, std::int32_t ysize)
{
    return static_cast<std::uint32_t>(x + 1) * static_cast<std::uint32_t>(ysize + 2) + static_cast<std::uint32_t>(y + 1);
}

struct Forest {
    std::int32_t xsize = 0;
    std::int32_t ysize = 0;
    std::unique_ptr<std::uint8_t[]> grid; // cellIndex order, border included
    std::int64_t planted = 0;             // trees the last planting left standing, the centre tree included

    std::span<std::uint8_t> cells() const;
    std::uint8_t& cell(std::int32_t x, std::int32_t y) const { return grid[cellIndex(x, y, ysize)]; }
    CellState at(std::int32_t x, std::int32_t y) const { return static_cast<CellState>(cell(x, y)); }
};

// Empty when the grid does not fit in memory or in 32-bit indices; its cells are
// set by the first planting.
std::optional<Forest> newForest(std::int32_t xsize, std::int32_t ysize);

// Clears the forest and plants it at `density`, around the centre tree when the fire
// is to be lit there, drawn on `view` when given. False when the draws can plant no
// more trees short of the target.
bool plantTrees(Forest& forest, double density, TreeDraws& draws, FrontEnd* view, bool centreTree = true);
std::int32_t spreadFire(Forest& forest, FrontEnd* view); // the fire time, counting the final quiet sweep
long double measureTrial(const Forest& forest);          // burnt trees / planted trees, counted on the grid
long double burntFraction(std::int64_t burntTrees, std::int64_t plantedTrees);

std::int64_t forestCellCount(std::int32_t xsize, std::int32_t ysize);
std::int64_t targetTreeCount(std::int32_t xsize, double density, std::int32_t ysize);
