// A front end that records what the model asks of it, a results file of the test's
// own, and the run state set up for a forest of a given shape with a fixed trial clock.
#pragma once
#include "forest.h"
#include "run_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using DrawnCell = std::tuple<std::int32_t, std::int32_t, CellState>; // x, y, state
struct RecordedFrontEnd {
    std::vector<DrawnCell> drawn;
    std::vector<std::string> calls; // every call but drawCell, by name
    void clear() { *this = RecordedFrontEnd{}; }
};
inline RecordedFrontEnd frontEnd;
inline const FrontEnd recordingFrontEnd{
    [](std::int32_t, std::int32_t) { frontEnd.calls.push_back("openFireView"); },
    [](std::int32_t x, std::int32_t y, CellState state) { frontEnd.drawn.push_back({x, y, state}); },
    [] { frontEnd.calls.push_back("closeFireView"); },
    [](std::int32_t, std::int32_t, std::int32_t) { frontEnd.calls.push_back("openResultsWindow"); },
    [](double, std::int32_t, double) { frontEnd.calls.push_back("appendResultRow"); },
    [] { frontEnd.calls.push_back("showResultsWindow"); },
};

inline const std::filesystem::path rowsFile =
    std::filesystem::temp_directory_path() / ("ignaro-test-" + std::to_string(getpid()) + ".txt");
// The rows the runs appended; the file is removed for the next run.
inline std::string takeRows()
{
    std::ostringstream text;
    text << std::ifstream(rowsFile, std::ios::binary).rdbuf();
    std::filesystem::remove(rowsFile);
    return text.str();
}

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
    void TearDown() override
    {
        freeForest();
        std::filesystem::remove(rowsFile);
    }
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
using ExperimentTest = ForestTest;
