// The code of one forest cell. A cell only ever moves forward:
// Empty stays Empty; a tree goes Tree, Igniting, Burning, Burnt.
#pragma once
#include <cstdint>

// One byte: half the memory traffic of the planting's and the fire's scattered visits.
enum CellState : std::uint8_t {
    Empty = 0,
    Tree = 1,
    Burnt = 2,
    Burning = 3,
    Igniting = 4,
};
