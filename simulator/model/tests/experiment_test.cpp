// Whole runs: series, sweeps and the rows they append to the results file.
#include "experiment.h"
#include "model_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

class ExperimentTest : public ForestTest {
protected:
    fs::path directory;
    fs::path file;

    void SetUp() override
    {
        ForestTest::SetUp();
        directory = fs::temp_directory_path() /
                    ("ignaro-test-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory);
        fs::create_directories(directory);
        file = directory / "results.txt";
    }
    void TearDown() override
    {
        fs::remove_all(directory);
        ForestTest::TearDown();
    }

    std::string contents()
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::vector<std::string> rows()
    {
        std::vector<std::string> lines;
        std::string text = contents();
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    int count(const std::string& call)
    {
        return static_cast<int>(std::count(frontEnd.calls.begin(), frontEnd.calls.end(), call));
    }
};

TEST_F(ExperimentTest, SingleSeriesRowsAtDensityZeroAndOne)
{
    runExperiment(20, 30, 0.0, 3, true, file);
    EXPECT_EQ(contents(), "0 2 1\r\n0 2 1\r\n0 2 1\r\n");

    fs::remove(file);
    runExperiment(3, 3, 1.0, 2, true, file);
    EXPECT_EQ(contents(), "1 3 1\r\n1 3 1\r\n");
}

TEST_F(ExperimentTest, VisibleSeriesFeedsTheResultsWindowBetweenTheFireViewCalls)
{
    runExperiment(10, 10, -0.0, 2, false, file);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "openResultsWindow", "appendResultRow",
                                                        "appendResultRow", "showResultsWindow", "closeFireView"}));
    EXPECT_EQ(rows().size(), 2u) << "negative zero is a single series at 0";
}

TEST_F(ExperimentTest, RowsOfLaterRunsAreAppended)
{
    runExperiment(5, 5, 0.0, 1, true, file);
    runExperiment(3, 3, 1.0, 1, true, file);
    EXPECT_EQ(contents(), "0 2 1\r\n1 3 1\r\n");
}

TEST_F(ExperimentTest, SweepFromHalfRunsFiftyOneSeriesEndingOnOne)
{
    runExperiment(6, 6, -0.5, 2, false, file);
    auto lines = rows();
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines.front().substr(0, 4), "0.5 ");
    EXPECT_EQ(lines[2].substr(0, 5), "0.51 ");
    EXPECT_EQ(lines[98].substr(0, 5), "0.99 ");
    EXPECT_EQ(lines.back().substr(0, 2), "1 ");
    EXPECT_EQ(count("openFireView"), 51);
    EXPECT_EQ(count("closeFireView"), 51);
    EXPECT_EQ(count("openResultsWindow") + count("showResultsWindow") + count("appendResultRow"), 0);
}

TEST_F(ExperimentTest, SweepDensitiesAccumulateWithRoundingError)
{
    double density = 0.5;
    for (int i = 0; i < 50; ++i)
        density = nextSweepDensity(density);
    EXPECT_EQ(density, 1.0000000000000004);
}

TEST_F(ExperimentTest, SweepSeriesCounts)
{
    runExperiment(4, 4, -1.0, 3, true, file);
    EXPECT_EQ(contents(), "1 4 1\r\n1 4 1\r\n1 4 1\r\n");

    fs::remove(file);
    runExperiment(4, 4, -0.01, 1, true, file);
    EXPECT_EQ(rows().size(), 100u);

    fs::remove(file);
    runExperiment(4, 4, -1.01, 1, true, file);
    EXPECT_FALSE(fs::exists(file)) << "a sweep starting beyond 1 runs nothing";
}

TEST_F(ExperimentTest, SweepSkipsTheSeriesWhoseDensityExceedsTheCells)
{
    // From 45.5 %: 55 series up to 99.5 %, then 100.5 %, whose 10050 trees do not fit.
    runExperiment(100, 100, -0.455, 1, true, file);
    auto lines = rows();
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines.front().substr(0, 6), "0.455 ");
    EXPECT_EQ(lines.back().substr(0, 6), "0.995 ");

    // On a 10 x 10 forest the same density truncates to 100 trees, which fit.
    fs::remove(file);
    runExperiment(10, 10, -0.995, 1, true, file);
    lines = rows();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.back().substr(0, 6), "1.005 ");
}

TEST_F(ExperimentTest, UnwritableFileLosesRowsAndSaysSo)
{
    RunReport report = runExperiment(8, 8, 0.5, 2, false, directory);
    EXPECT_TRUE(report.resultsNotSaved);
    EXPECT_FALSE(report.outOfMemory);
    EXPECT_EQ(frontEnd.calls, (std::vector<std::string>{"openFireView", "closeFireView"}));

    frontEnd.clear();
    report = runExperiment(8, 8, -0.97, 1, false, directory / "missing" / "results.txt");
    EXPECT_TRUE(report.resultsNotSaved);
    EXPECT_EQ(count("openFireView"), 4) << "every series of the sweep still runs";

    report = runExperiment(8, 8, 0.5, 1, true, file);
    EXPECT_FALSE(report.resultsNotSaved);
}

TEST_F(ExperimentTest, VisibleTrialsDrawTheSweepAndSilentTrialsDrawNothing)
{
    runExperiment(7, 7, 1.0, 1, false, file);
    auto igniting = std::ranges::count(frontEnd.drawn, Igniting, &DrawnCell::state);
    EXPECT_EQ(igniting, 48) << "every tree but the centre is drawn catching fire";
    EXPECT_EQ(frontEnd.drawn.back(), (DrawnCell{6, 6, Burnt})) << "the last sweep ends in the corner";

    frontEnd.clear();
    runExperiment(7, 7, 1.0, 1, true, file);
    EXPECT_TRUE(frontEnd.drawn.empty());
    EXPECT_EQ(rows(), (std::vector<std::string>{"1 5 1", "1 5 1"}));
}
