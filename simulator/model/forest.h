// The forest grid of the run in progress: planting, fire and measurement of one
// trial. Sizes, density and the silent flag come from the run state.
#pragma once
#include "cell_state.h"

#include <cstdint>
#include <ctime>
#include <span>

bool allocateForest();             // false when the grid does not fit in memory
void freeForest();

// The grid column by column (the cell of x, y at x * ysize + y).
std::span<std::int16_t> forestCells();

void plantTrees();
void plantCentreTree();
void igniteCentre();
std::int32_t spreadFire();         // the fire time, counting the final quiet sweep
long double measureTrial();        // burnt trees / planted trees

std::int64_t forestCellCount(std::int32_t xsize, std::int32_t ysize);
std::int64_t targetTreeCount(std::int32_t xsize, double density, std::int32_t ysize);
CellState cellAt(std::int32_t x, std::int32_t y);

// The calendar clock that seeds each trial, replaceable so that tests can plant
// known forests.
using TrialClock = std::time_t (*)();
void setTrialClock(TrialClock clock);
void forgetLastSeeding();

// Sets a cell without drawing it, for tests that build a forest by hand.
void placeCell(std::int32_t x, std::int32_t y, CellState state);
