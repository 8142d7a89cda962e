// Planting, fire and measurement of single trials.
#include "model_fixture.h"

#include "extended_precision.h"

#include <algorithm>
#include <cmath>

TEST_F(ForestTest, SeedOnePlantsTheKnownFiveByFourForest)
{
    makeForest(5, 4, 0.5, false);
    plantTrees();
    EXPECT_EQ(picture(), "TTT..\n"
                         ".T...\n"
                         "T.TT.\n"
                         "T..TT\n");

    // Drawn: the clearing in column order, the centre tree, then each new tree once,
    // in the order of the draws that found an empty cell.
    std::vector<DrawnCell> expected;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            expected.push_back({x, y, Empty});
    expected.push_back({2, 2, Tree});
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {3, 3}, {1, 1}, {0, 2}, {0, 3}, {4, 3}, {3, 2}})
        expected.push_back({x, y, Tree});
    EXPECT_EQ(frontEnd.drawn, expected);

    EXPECT_EQ(spreadFire(), 5);
    EXPECT_EQ(measureTrial(), 1.0L);
    EXPECT_EQ(picture(), "BBB..\n"
                         ".B...\n"
                         "B.BB.\n"
                         "B..BB\n");
}

TEST_F(ForestTest, TargetCountsTruncateTheExtendedProduct)
{
    EXPECT_EQ(targetTreeCount(100, 0.59, 100), 5899);
    EXPECT_EQ(targetTreeCount(100, 0.5, 100), 5000);
    EXPECT_EQ(targetTreeCount(400, 0.45, 400), 72000);
    EXPECT_EQ(targetTreeCount(100, 0.35, 100), 3499);
    EXPECT_EQ(targetTreeCount(100, std::nextafter(0.35, 1.0), 100), 3500);
    EXPECT_EQ(targetTreeCount(32768, 1.0, 32768), std::int64_t{1} << 30);
    EXPECT_EQ(forestCellCount(65536, 65536), std::int64_t{1} << 32);
}

TEST_F(ForestTest, TargetCountsIgnoreTheControlWordTheProcessStartedWith)
{
    // 53-bit precision, as a thread made with raw CreateThread starts on Windows:
    // without its own control word the model would plant 5900 trees here.
    std::uint16_t saved, doublePrecision = 0x027F;
    __asm__ __volatile__("fnstcw %0" : "=m"(saved));
    __asm__ __volatile__("fldcw %0" : : "m"(doublePrecision));
    std::int64_t count = targetTreeCount(100, 0.59, 100);
    __asm__ __volatile__("fldcw %0" : : "m"(saved));
    EXPECT_EQ(count, 5899);
}

TEST_F(ForestTest, FullyPlantedForestsBurnOneRingPerSweep)
{
    struct Case {
        int xsize, ysize, fireTime;
    };
    for (Case c : {Case{1, 1, 2}, {3, 3, 3}, {4, 4, 4}, {100, 100, 52}, {7, 2, 5}, {1, 9, 6}, {10, 1, 7}}) {
        SCOPED_TRACE(testing::Message() << c.xsize << " x " << c.ysize);
        makeForest(c.xsize, c.ysize, 1.0);
        plantTrees();
        EXPECT_EQ(spreadFire(), c.fireTime);
        EXPECT_EQ(measureTrial(), 1.0L);
        freeForest();
    }
}

TEST_F(ForestTest, DensityZeroBurnsTheCentreTreeAlone)
{
    makeForest(50, 30, 0.0);
    plantTrees();
    EXPECT_EQ(cellAt(25, 15), Tree);
    EXPECT_EQ(spreadFire(), 2);
    EXPECT_EQ(measureTrial(), 1.0L);
}

TEST_F(ForestTest, FireStopsAtEdgesAndGapsAndUnreachedTreesCount)
{
    // One row: the fire runs right from the centre; the tree at the left end is cut
    // off by a gap and must not be reached across the right edge either.
    makeForest(5, 1, 0.0);
    plantTrees();
    placeCell(0, 0, Tree);
    placeCell(3, 0, Tree);
    placeCell(4, 0, Tree);
    EXPECT_EQ(spreadFire(), 4);
    EXPECT_EQ(picture(), "T.BBB\n");
    EXPECT_EQ(measureTrial(), 3.0L / 4.0L);
}

TEST_F(ForestTest, FireReachesDiagonalsButCaughtTreesWaitForTheNextSweep)
{
    // A diagonal chain running down and right from the centre: the scan would meet
    // each newly caught tree later in the same sweep, yet one tree burns per sweep.
    makeForest(7, 7, 0.0, false);
    plantTrees();
    for (int i = 4; i < 7; ++i)
        placeCell(i, i, Tree);
    frontEnd.clear();
    EXPECT_EQ(spreadFire(), 5);
    EXPECT_EQ(frontEnd.drawn, (std::vector<DrawnCell>{{3, 3, Burning},
                                                      {4, 4, Igniting},
                                                      {3, 3, Burnt},
                                                      {5, 5, Igniting},
                                                      {4, 4, Burnt},
                                                      {6, 6, Igniting},
                                                      {5, 5, Burnt},
                                                      {6, 6, Burnt}}));
}

TEST_F(ForestTest, TrialsWithinOneSecondPlantDifferentForests)
{
    makeForest(60, 60, 0.4);
    plantTrees();
    std::string first = picture();
    plantTrees();
    EXPECT_NE(picture(), first) << "the generator must run on, not restart from the same seed";

    // A trial in a later second is seeded from the clock again.
    clockNow = 2;
    plantTrees();
    std::string secondTwo = picture();
    forgetLastSeeding();
    plantTrees();
    EXPECT_EQ(picture(), secondTwo);
}

TEST_F(ForestTest, PlantingHitsExactlyTheTargetCount)
{
    for (double density : {0.01, 0.3, 0.59, 0.99, 1.0}) {
        makeForest(37, 23, density);
        plantTrees();
        std::int64_t trees = 0;
        for (int x = 0; x < 37; ++x)
            for (int y = 0; y < 23; ++y)
                trees += cellAt(x, y) == Tree;
        EXPECT_EQ(trees, std::max<std::int64_t>(1, targetTreeCount(37, density, 23))) << density;
        freeForest();
    }
}

TEST_F(ForestTest, SilentPlantingClearsTheLastForestAndPlantsTheSameTrees)
{
    makeForest(31, 17, 0.45, false);
    plantTrees();
    std::string visible = picture();

    run.parameters.silent = true;
    run.parameters.density = 1.0;
    plantTrees();
    run.parameters.density = 0.45;
    forgetLastSeeding();
    plantTrees();
    EXPECT_EQ(picture(), visible);
}

TEST_F(ForestTest, GridsBeyondTheFrontsCellIndicesAreRefused)
{
    run.parameters = RunParameters{65536, 32769, 0.5, 1, true, {}};
    EXPECT_FALSE(allocateForest());
}
