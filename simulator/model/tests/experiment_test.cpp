// Whole runs: series, sweeps, the rows they append to the results file and the
// front-end calls of visible runs.
#include "experiment.h"
#include "model_fixture.h"
#include "results_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

class ExperimentTest : public ForestTest {
protected:
    const fs::path file = fs::temp_directory_path() / ("ignaro-test-" + std::to_string(getpid()) + ".txt");

    void TearDown() override
    {
        fs::remove(file);
        ForestTest::TearDown();
    }
    // The rows the runs appended; the file is removed for the next run.
    std::string takeRows()
    {
        std::ostringstream text;
        text << std::ifstream(file, std::ios::binary).rdbuf();
        fs::remove(file);
        return text.str();
    }
};

TEST(ResultRow, GeneralFormatWithSixSignificantDigits)
{
    EXPECT_EQ(formatResultRow(1.0000000000000004, 52, 0.00001) + formatResultRow(-0.0, 2, 1.0), "1 52 1e-05\r\n0 2 1\r\n");
    EXPECT_EQ(formatGeneral6(123456.7) + " " + formatGeneral6(1234567.0) + " " + formatGeneral6(0.5999999),
              "123457 1.23457e+06 0.6");
}

// Every build must plant the same forests and write the same rows, byte for byte:
// the native build and the Windows builds under Wine.
TEST_F(ExperimentTest, KnownSeedGivesTheKnownRowsOnEveryBuild)
{
    clockNow = 1000000000;
    runExperiment(100, 80, 0.41, 4, true, file, recordingFrontEnd, clock);
    runExperiment(37, 53, -0.97, 1, true, file, recordingFrontEnd, clock);
    EXPECT_EQ(takeRows(), "0.41 15 0.010674\r\n0.41 114 0.631595\r\n0.41 110 0.710887\r\n0.41 8 0.00823422\r\n"
                          "0.97 28 1\r\n0.98 28 1\r\n0.99 28 1\r\n1 28 1\r\n");
}

TEST_F(ExperimentTest, SeriesAndSweepsAppendOneRowPerTrialAndSeries)
{
    // Side, density, trials: the number of rows, the first and the last row's start.
    for (auto [side, density, trials, rows, first, last] : {
             std::tuple{20, 0.0, 3, 3, "0 2 1", "0 2 1"},
             {3, 1.0, 2, 2, "1 3 1", "1 3 1"},
             {4, -1.0, 3, 3, "1 4 1", "1 4 1"},
             {4, -0.01, 1, 100, "0.01 ", "1 "},
             {6, -0.5, 2, 102, "0.5 ", "1 "},
             {100, -0.455, 1, 55, "0.455 ", "0.995 "}, // 100.5 % asks for 10050 trees: no room
             {10, -0.995, 1, 2, "0.995 ", "1.005 "},  // there, 100 trees: they fit
             {4, -1.01, 1, 0, "", ""}}) {
        runExperiment(side, side, density, trials, true, file, recordingFrontEnd, clock);
        const std::string text = takeRows();
        const std::size_t lastRow = text.size() > 2 ? text.rfind('\n', text.size() - 2) + 1 : 0;
        EXPECT_EQ(std::ranges::count(text, '\n'), rows) << side << " at " << density;
        EXPECT_TRUE(text.starts_with(first) && text.compare(rows > 1 ? lastRow : 0, strlen(last), last) == 0) << text;
    }
    double density = 0.5;
    for (int i = 0; i < 50; ++i)
        density = nextSweepDensity(density);
    EXPECT_EQ(density, 1.0000000000000004) << "sweep densities accumulate their rounding error";
    runExperiment(5, 5, 0.0, 1, true, file, recordingFrontEnd, clock);
    runExperiment(3, 3, 1.0, 1, true, file, recordingFrontEnd, clock);
    EXPECT_EQ(takeRows(), "0 2 1\r\n1 3 1\r\n") << "later runs append";
}

TEST_F(ExperimentTest, VisibleRunsDrawTheFireAndFeedTheResultsWindowOfSingleSeriesOnly)
{
    runExperiment(7, 7, 1.0, 2, false, file, recordingFrontEnd, clock);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "openResultsWindow", "appendResultRow",
                                                        "appendResultRow", "showResultsWindow", "closeFireView"}));
    EXPECT_EQ(std::ranges::count(frontEnd.drawn, Igniting, &DrawnCell::state), 2 * 48);
    EXPECT_EQ(frontEnd.drawn.back(), (DrawnCell{6, 6, Burnt})) << "the last pass ends in the corner";
    EXPECT_EQ(takeRows(), "1 5 1\r\n1 5 1\r\n");
    frontEnd.clear();
    runExperiment(6, 6, -0.99, 1, false, file, recordingFrontEnd, clock);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "closeFireView", "openFireView", "closeFireView"}));
    frontEnd.clear();
    runExperiment(7, 7, 1.0, 1, true, file, recordingFrontEnd, clock);
    EXPECT_TRUE(frontEnd.drawn.empty() && frontEnd.calls.empty()) << "silent";
}

TEST_F(ExperimentTest, UnwritableFileLosesRowsAndSaysSo)
{
    RunReport report = runExperiment(8, 8, 0.5, 2, false, fs::temp_directory_path(), recordingFrontEnd, clock); // a folder
    EXPECT_TRUE(report.resultsNotSaved && !report.outOfMemory);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "closeFireView"}));
    frontEnd.clear();
    EXPECT_TRUE(runExperiment(8, 8, -0.97, 1, false, file / "missing.txt", recordingFrontEnd, clock).resultsNotSaved);
    EXPECT_EQ(std::ranges::count(frontEnd.calls, std::string("openFireView")), 4) << "every series still runs";
    EXPECT_FALSE(runExperiment(8, 8, 0.5, 1, true, file, recordingFrontEnd, clock).resultsNotSaved);
}
