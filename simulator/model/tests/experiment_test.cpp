// Whole runs: series, sweeps, the rows they append to the results file and the
// front-end calls of visible runs.
#include "experiment.h"
#include "model_fixture.h"
#include "results_file.h"

TEST(ResultRow, GeneralFormatWithSixSignificantDigits)
{
    EXPECT_EQ(formatResultRow(1.0000000000000004, 52, 0.00001) + formatResultRow(0.5999999, 2, 123456.7),
              "1 52 1e-05\r\n0.6 2 123457\r\n");
}

// Every build must plant the same forests and write the same rows, byte for byte:
// the native build and the Windows builds under Wine.
TEST_F(ExperimentTest, KnownSeedGivesTheKnownRowsOnEveryBuild)
{
    clockNow = 1000000000;
    run(100, 80, 0.41, 4, true);
    run(37, 53, -0.97, 1, true);
    EXPECT_EQ(takeRows(), "0.41 15 0.010674\r\n0.41 114 0.631595\r\n0.41 110 0.710887\r\n0.41 8 0.00823422\r\n"
                          "0.97 28 1\r\n0.98 28 1\r\n0.99 28 1\r\n1 28 1\r\n");
}

TEST_F(ExperimentTest, SeriesAndSweepsAppendOneRowPerTrialAndSeries)
{
    // Side, density, trials: the number of rows, the first and the last row's start.
    for (auto [side, density, trials, rows, first, last] : {
             std::tuple{20, -0.0, 3, 3, "0 2 1", "0 2 1"}, // a single series at 0
             {4, -1.0, 3, 3, "1 4 1", "1 4 1"},
             {4, -0.01, 2, 200, "0.01 ", "1 "},
             {100, -0.455, 1, 55, "0.455 ", "0.995 "}, // 100.5 % asks for 10050 trees: no room
             {10, -0.995, 1, 2, "0.995 ", "1.005 "}}) { // there, 100 trees: they fit
        run(side, side, density, trials, true);
        const std::string text = takeRows();
        const std::string lastRow = text.substr(text.rfind('\n', text.size() - 2) + 1);
        EXPECT_EQ(std::ranges::count(text, '\n'), rows) << side << " at " << density;
        EXPECT_TRUE(text.starts_with(first) && lastRow.starts_with(last)) << text;
    }
}

TEST_F(ExperimentTest, VisibleRunsDrawTheFireAndShowTheSavedRowsOfSingleSeriesOnly)
{
    run(7, 7, 1.0, 2, false);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "openResultsWindow", "appendResultRow",
                                                        "appendResultRow", "showResultsWindow", "closeFireView"}));
    EXPECT_EQ(frontEnd.drawn.back(), (DrawnCell{6, 6, Burnt})) << "the last pass ends in the corner";
    EXPECT_EQ(takeRows(), "1 5 1\r\n1 5 1\r\n");
    // Rows that did not reach the file (here a folder) are not shown, and the run says so.
    frontEnd.clear();
    EXPECT_TRUE(run(8, 8, 0.5, 2, false, rowsFile.parent_path()).resultsNotSaved);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "closeFireView"}));
    // A sweep shows no results window, and runs every series when its rows are lost.
    frontEnd.clear();
    EXPECT_TRUE(run(6, 6, -0.99, 1, false, rowsFile / "missing.txt").resultsNotSaved);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "closeFireView", "openFireView", "closeFireView"}));
}
