// A front end that records what the model asks of it, for the model's tests.
#pragma once
#include "cell_state.h"

#include <cstdint>
#include <string>
#include <vector>

struct DrawnCell {
    std::int32_t x, y;
    CellState state;
    bool operator==(const DrawnCell&) const = default;
};

struct RecordedFrontEnd {
    std::vector<DrawnCell> drawn;
    std::vector<std::string> calls; // every call but drawCell, by name
    void clear() { *this = RecordedFrontEnd{}; }
};

extern RecordedFrontEnd frontEnd;
