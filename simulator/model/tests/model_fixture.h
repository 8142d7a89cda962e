// Sets up the run state for a forest of the given shape, with a fixed trial clock.
#pragma once
#include "forest.h"
#include "recording_front_end.h"
#include "run_state.h"

#include <gtest/gtest.h>

#include <string>

class ForestTest : public ::testing::Test {
protected:
    static inline std::time_t clockNow = 1;

    void SetUp() override
    {
        frontEnd.clear();
        clockNow = 1;
        setTrialClock([] { return clockNow; });
        forgetLastSeeding();
    }
    void TearDown() override
    {
        freeForest();
        setTrialClock([] { return std::time(nullptr); });
        forgetLastSeeding();
    }

    void makeForest(std::int32_t xsize, std::int32_t ysize, double density, bool silent = true)
    {
        run.parameters = RunParameters{xsize, ysize, density, 1, silent, {}};
        ASSERT_TRUE(allocateForest());
    }

    // The grid as rows of characters: . empty, T tree, B burnt.
    std::string picture()
    {
        std::string text;
        for (std::int32_t y = 0; y < run.parameters.ysize; ++y) {
            for (std::int32_t x = 0; x < run.parameters.xsize; ++x)
                text += ".TB??"[cellAt(x, y)];
            text += '\n';
        }
        return text;
    }
};
