// The forest grid of the run in progress: planting, fire and measurement of one
// trial. Sizes, density and the silent flag come from the run state.
#pragma once
#include "cell_state.h"

#include <cstdint>
#include <ctime>
#include <span>

// The fire front addresses cells by 32-bit index, border included: larger grids
// are refused, like those that do not fit in memory. The front end allows at most
// 32768 x 32768 cells, 2^30.
constexpr std::uint64_t maxForestCells = std::uint64_t{1} << 31;

bool allocateForest();             // false when the grid does not fit in memory
void freeForest();

// The grid column by column inside a border of Empty cells, so that the neighbours
// of any cell can be visited without a test at the edges.
constexpr std::uint32_t cellIndex(std::int32_t x, std::int32_t y, std::int32_t ysize)
{
    return static_cast<std::uint32_t>(x + 1) * static_cast<std::uint32_t>(ysize + 2) + static_cast<std::uint32_t>(y + 1);
}
std::span<std::uint8_t> forestCells(); // border included

bool plantTrees();                 // false when the draws can plant no more trees short of the target
std::int64_t plantedTreeCount();   // trees the last planting left standing, the centre tree included
void plantCentreTree();
void igniteCentre();
std::int32_t spreadFire();         // the fire time, counting the final quiet sweep
long double measureTrial();        // burnt trees / planted trees, counted on the grid
long double burntFraction(std::int64_t burntTrees, std::int64_t plantedTrees);

std::int64_t forestCellCount(std::int32_t xsize, std::int32_t ysize);
std::int64_t targetTreeCount(std::int32_t xsize, double density, std::int32_t ysize);
CellState cellAt(std::int32_t x, std::int32_t y);


// Sets a cell without drawing it, for tests that build a forest by hand.
void placeCell(std::int32_t x, std::int32_t y, CellState state);
