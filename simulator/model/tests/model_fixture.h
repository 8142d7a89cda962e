// A front end that records what the model asks of it, a results file of the test's
// own, and a forest of a given shape with Ignaro's draws on a fixed trial clock.
#pragma once
#include "experiment.h"
#include "forest.h"
#include "front_end.h"
#include "planting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using DrawnCell = std::tuple<std::int32_t, std::int32_t, CellState>; // x, y, state
struct RecordingFrontEnd final : FrontEnd {
    std::vector<DrawnCell> drawn;
    std::vector<std::string> calls; // every call but drawCell, by name
    void clear() { drawn.clear(), calls.clear(); }

    void openFireView(const Forest&) override { calls.push_back("openFireView"); }
    void drawCell(std::int32_t x, std::int32_t y, CellState state) override { drawn.push_back({x, y, state}); }
    void closeFireView() override { calls.push_back("closeFireView"); }
    void openResultsWindow(std::int32_t, std::int32_t, std::int32_t) override { calls.push_back("openResultsWindow"); }
    void appendResultRow(double, std::int32_t, double) override { calls.push_back("appendResultRow"); }
    void showResultsWindow() override { calls.push_back("showResultsWindow"); }
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
    std::time_t clockNow = 1;
    GeneratorDraws draws{TrialClock{[this] { return clockNow; }}};
    RecordingFrontEnd frontEnd;
    Forest forest;

    void TearDown() override { std::filesystem::remove(rowsFile); }
    void makeForest(std::int32_t xsize, std::int32_t ysize)
    {
        std::optional<Forest> made = newForest(xsize, ysize);
        ASSERT_TRUE(made);
        forest = std::move(*made);
    }
    // Plants the forest, drawn on the recording front end when visible.
    bool plant(double density, bool visible = false)
    {
        return plantTrees(forest, density, draws, visible ? &frontEnd : nullptr);
    }
    RunReport run(std::int32_t xsize, std::int32_t ysize, double density, std::int32_t trials, bool silent,
                  const std::filesystem::path& file = rowsFile)
    {
        return runExperiment(RunParameters{xsize, ysize, density, trials, silent, file}, draws, &frontEnd);
    }
    // The grid as rows of characters: . empty, T tree, B burnt.
    std::string picture()
    {
        std::string text;
        for (std::int32_t y = 0; y < forest.ysize; ++y, text += '\n')
            for (std::int32_t x = 0; x < forest.xsize; ++x)
                text += ".TB??"[forest.at(x, y)];
        return text;
    }
};
using ExperimentTest = ForestTest;
