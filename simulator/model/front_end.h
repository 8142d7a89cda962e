// What a visible run asks of its front end: the fire view and the results window. The
// Windows program passes its windows; a silent run has no front end, and tests and
// benchmarks pass their own.
#pragma once
#include "cell_state.h"

#include <cstdint>

struct Forest;

class FrontEnd {
public:
    // The view shows `forest` and may repaint from it until it is closed.
    virtual void openFireView(const Forest& forest) = 0;
    virtual void drawCell(std::int32_t x, std::int32_t y, CellState state) = 0;
    virtual void closeFireView() = 0;
    virtual void openResultsWindow(std::int32_t xsize, std::int32_t ysize, std::int32_t trials) = 0;
    virtual void appendResultRow(double density, std::int32_t fireTime, double burntFraction) = 0;
    virtual void showResultsWindow() = 0;

protected:
    ~FrontEnd() = default;
};
