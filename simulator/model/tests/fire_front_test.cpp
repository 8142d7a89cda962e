// The front engine against the sweep: both burn copies of the same forest and must
// give the same fire time, the same burnt fraction to the last bit and the same grid.
#include "fire_front.h"
#include "model_fixture.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

class FireFrontTest : public ForestTest {
protected:
    void TearDown() override
    {
        freeFireFront();
        ForestTest::TearDown();
    }

    // Plants a forest, burns it both ways and compares; returns the fire time.
    std::int32_t expectEnginesAgree(std::int32_t xsize, std::int32_t ysize, double density)
    {
        makeForest(xsize, ysize, density);
        plantTrees();
        const std::vector<std::int16_t> forest(forestCells().begin(), forestCells().end());
        const std::int32_t sweepTime = spreadFire();
        const long double sweepFraction = measureTrial();
        const std::vector<std::int16_t> swept(forestCells().begin(), forestCells().end());

        std::ranges::copy(forest, forestCells().begin());
        const FrontFire front = spreadFireFront();
        EXPECT_EQ(front.fireTime, sweepTime);
        EXPECT_EQ(burntFraction(front.burntTrees, plantedTreeCount()), sweepFraction);
        EXPECT_TRUE(std::ranges::equal(forestCells(), swept)) << "the engines leave different grids";
        freeForest();
        return front.fireTime;
    }
};

TEST_F(FireFrontTest, EdgeShapesAndFullForestsBurnAlikeWithTheKnownFireTimes)
{
    struct Case {
        std::int32_t xsize, ysize;
        double density;
        std::int32_t fireTime; // 0: whatever the sweep says
    };
    const Case cases[] = {
        {1, 1, 0.0, 2},   {50, 30, 0.0, 2}, {1, 1, 1.0, 2},   {3, 3, 1.0, 3},      {4, 4, 1.0, 4},
        {100, 100, 1.0, 52}, {7, 2, 1.0, 5}, {1, 9, 1.0, 6}, {10, 1, 1.0, 7},     {1, 57, 0.6, 0},
        {57, 1, 0.9, 0},  {2, 300, 0.6, 0}, {300, 2, 0.6, 0}, {3, 200, 0.41, 0},  {5, 4, 0.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.xsize << " x " << c.ysize << " at " << c.density);
        const std::int32_t fireTime = expectEnginesAgree(c.xsize, c.ysize, c.density);
        EXPECT_TRUE(c.fireTime == 0 || fireTime == c.fireTime) << fireTime;
    }
}

TEST_F(FireFrontTest, RandomForestsAroundTheThresholdAndAcrossAllDensities)
{
    std::mt19937 pick(20240917);
    // Sides from 1 to 300, small ones as likely as large ones.
    std::uniform_real_distribution<double> logSide(0.0, std::log(300.5));
    std::uniform_real_distribution<double> anyDensity(0.0, 1.0);
    std::normal_distribution<double> nearThreshold(0.41, 0.03);
    for (int forest = 0; forest < 400 && !HasFailure(); ++forest) {
        auto xsize = static_cast<std::int32_t>(std::exp(logSide(pick)));
        auto ysize = static_cast<std::int32_t>(std::exp(logSide(pick)));
        double density = std::clamp(forest % 2 ? anyDensity(pick) : nearThreshold(pick), 0.0, 1.0);
        clockNow = 1000 + forest;
        SCOPED_TRACE(testing::Message() << "forest " << forest << ": " << xsize << " x " << ysize << " at " << density);
        expectEnginesAgree(xsize, ysize, density);
    }
}
