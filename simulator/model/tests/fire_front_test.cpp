// The front engine against the sweep: both burn copies of the same forest and must
// give the same fire time, the same burnt fraction to the last bit and the same grid.
#include "fire_front.h"
#include "model_fixture.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Burn {
    std::int32_t fireTime = 0;
    long double burntFraction = 0;
    std::vector<std::uint8_t> grid;
};

std::vector<std::uint8_t> gridCopy()
{
    std::span<std::uint8_t> cells = forestCells();
    return {cells.begin(), cells.end()};
}

void restoreGrid(const std::vector<std::uint8_t>& forest) { std::ranges::copy(forest, forestCells().begin()); }

Burn sweepBurn(const std::vector<std::uint8_t>& forest)
{
    restoreGrid(forest);
    Burn burn;
    burn.fireTime = spreadFire();
    burn.burntFraction = measureTrial();
    burn.grid = gridCopy();
    return burn;
}

Burn frontBurn(const std::vector<std::uint8_t>& forest, std::int64_t plantedTrees)
{
    restoreGrid(forest);
    FrontFire fire = spreadFireFront();
    return {fire.fireTime, burntFraction(fire.burntTrees, plantedTrees), gridCopy()};
}

} // namespace

class FireFrontTest : public ForestTest {
protected:
    void TearDown() override
    {
        freeFireFront();
        ForestTest::TearDown();
    }

    // Both engines on the forest now in the grid; planted trees as the planting
    // counts them, or as the grid shows them for a forest built by hand.
    void expectEnginesAgree(std::int64_t plantedTrees)
    {
        std::vector<std::uint8_t> forest = gridCopy();
        Burn sweep = sweepBurn(forest);
        Burn front = frontBurn(forest, plantedTrees);
        EXPECT_EQ(front.fireTime, sweep.fireTime);
        EXPECT_EQ(front.burntFraction, sweep.burntFraction);
        EXPECT_TRUE(front.grid == sweep.grid) << "the engines leave different grids";
    }

    void expectEnginesAgreeOnPlanting() { expectEnginesAgree(plantedTreeCount()); }

    void expectEnginesAgreeOnHandBuiltForest()
    {
        std::span<std::uint8_t> cells = forestCells();
        expectEnginesAgree(std::ranges::count(cells, Tree));
    }
};

TEST_F(FireFrontTest, EdgeShapesAndExtremeDensities)
{
    struct Shape {
        int xsize, ysize;
    };
    for (Shape shape : {Shape{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 4}, {1, 57}, {57, 1}, {2, 300},
                        {300, 2}, {3, 200}, {100, 100}}) {
        for (double density : {0.0, 0.05, 0.3, 0.41, 0.6, 0.9, 1.0}) {
            for (int trial = 0; trial < 3; ++trial) {
                SCOPED_TRACE(testing::Message() << shape.xsize << " x " << shape.ysize << " at " << density
                                                << ", trial " << trial);
                makeForest(shape.xsize, shape.ysize, density);
                plantTrees();
                expectEnginesAgreeOnPlanting();
            }
        }
    }
}

TEST_F(FireFrontTest, LoneCentreTreeAndFullForestsGiveTheKnownFireTimes)
{
    struct Case {
        int xsize, ysize;
        double density;
        std::int32_t fireTime;
    };
    for (Case c : {Case{1, 1, 0.0, 2}, {50, 30, 0.0, 2}, {1, 1, 1.0, 2}, {3, 3, 1.0, 3}, {4, 4, 1.0, 4},
                   {100, 100, 1.0, 52}, {10, 1, 1.0, 7}}) {
        SCOPED_TRACE(testing::Message() << c.xsize << " x " << c.ysize << " at " << c.density);
        makeForest(c.xsize, c.ysize, c.density);
        plantTrees();
        FrontFire fire = spreadFireFront();
        EXPECT_EQ(fire.fireTime, c.fireTime);
        EXPECT_EQ(fire.burntTrees, plantedTreeCount());
    }
}

TEST_F(FireFrontTest, FireDoesNotPassFromTheEndOfOneColumnToTheNextInMemory)
{
    // Columns are contiguous: the cell below the bottom of column x is the top of
    // column x + 1 in memory, and the one above the top is the bottom of column x - 1.
    // A line of trees from the centre to the bottom edge, and another to the top edge,
    // each with a tree waiting where a wrong step in memory would land.
    makeForest(5, 9, 0.0);
    plantTrees();
    for (int y = 5; y < 9; ++y)
        placeCell(2, y, Tree);
    placeCell(3, 0, Tree);
    expectEnginesAgreeOnHandBuiltForest();
    EXPECT_EQ(cellAt(3, 0), Tree);
    EXPECT_EQ(cellAt(2, 8), Burnt);

    makeForest(5, 9, 0.0);
    plantTrees();
    for (int y = 0; y < 4; ++y)
        placeCell(2, y, Tree);
    placeCell(1, 8, Tree);
    expectEnginesAgreeOnHandBuiltForest();
    EXPECT_EQ(cellAt(1, 8), Tree);
    EXPECT_EQ(cellAt(2, 0), Burnt);

    // Into the left and right edges, where a step of a whole column would leave the grid.
    makeForest(9, 5, 0.0);
    plantTrees();
    for (int x = 0; x < 9; ++x)
        placeCell(x, 2, Tree);
    placeCell(0, 0, Tree);
    placeCell(8, 4, Tree);
    expectEnginesAgreeOnHandBuiltForest();
    EXPECT_EQ(picture(), "T........\n"
                         ".........\n"
                         "BBBBBBBBB\n"
                         ".........\n"
                         "........T\n");
}

TEST_F(FireFrontTest, RandomForestsAroundTheThresholdAndAcrossAllDensities)
{
    std::mt19937 pick(20240917);
    // Sides from 1 to 300, small ones as likely as large ones.
    std::uniform_real_distribution<double> logSide(0.0, std::log(300.5));
    std::uniform_real_distribution<double> anyDensity(0.0, 1.0);
    std::normal_distribution<double> nearThreshold(0.41, 0.03);
    for (int forest = 0; forest < 400; ++forest) {
        auto xsize = static_cast<std::int32_t>(std::exp(logSide(pick)));
        auto ysize = static_cast<std::int32_t>(std::exp(logSide(pick)));
        double density = std::clamp(forest % 2 ? anyDensity(pick) : nearThreshold(pick), 0.0, 1.0);
        clockNow = 1000 + forest;
        SCOPED_TRACE(testing::Message() << "forest " << forest << ": " << xsize << " x " << ysize << " at "
                                        << density);
        makeForest(xsize, ysize, density);
        plantTrees();
        expectEnginesAgreeOnPlanting();
        if (HasFailure())
            return;
    }
}
