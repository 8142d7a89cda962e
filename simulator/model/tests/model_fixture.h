// A front end that records what the model asks of it, and the run state set up for a
// forest of a given shape with a fixed trial clock.
#pragma once
#include "forest.h"
#include "front_end.h"
#include "run_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
extern const FrontEnd recordingFrontEnd;

class ForestTest : public ::testing::Test {
protected:
    static inline std::time_t clockNow = 1;
    TrialClock clock{[] { return clockNow; }};

    void SetUp() override
    {
        frontEnd.clear();
        clockNow = 1;
        run.clock = &clock;
    }
    void TearDown() override { freeForest(); }
    void makeForest(std::int32_t xsize, std::int32_t ysize, double density, bool silent = true)
    {
        run.parameters = RunParameters{xsize, ysize, density, 1, silent, {}};
        run.frontEnd = silent ? nullptr : &recordingFrontEnd;
        ASSERT_TRUE(allocateForest());
    }
    // The grid as rows of characters: . empty, T tree, B burnt.
    std::string picture()
    {
        std::string text;
        for (std::int32_t y = 0; y < run.parameters.ysize; ++y, text += '\n')
            for (std::int32_t x = 0; x < run.parameters.xsize; ++x)
                text += ".TB??"[cellAt(x, y)];
        return text;
    }
};
