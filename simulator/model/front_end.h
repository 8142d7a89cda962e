// What a visible run asks of its front end: the fire view and the results window. The
// Windows program passes its windows; a silent run has no front end, and tests and
// benchmarks pass their own.
#pragma once
#include "cell_state.h"

#include <cstdint>

struct FrontEnd {
    void (*openFireView)(std::int32_t xsize, std::int32_t ysize);
    void (*drawCell)(std::int32_t x, std::int32_t y, CellState state);
    void (*closeFireView)();
    void (*openResultsWindow)(std::int32_t xsize, std::int32_t ysize, std::int32_t trials);
    void (*appendResultRow)(double density, std::int32_t fireTime, double burntFraction);
    void (*showResultsWindow)();
};
