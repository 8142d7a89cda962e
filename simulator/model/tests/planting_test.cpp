// The planting by coordinate tables against the plain one, an extended-precision
// product per draw truncated by the compiler: the same forests, the generator left
// alike, no draw past the limit.
#include "extended_precision.h"
#include "model_fixture.h"
#include "planting.h"
#include "random_generator.h"

#include <random>

TEST_F(ForestTest, TableDrawsPlantThePlainForests)
{
    // Dense forests draw each output many times over, 32767 (whose product equals
    // the size and is clamped) included; large sizes map outputs nearly one to one.
    std::vector<std::tuple<std::int32_t, std::int32_t, double>> cases{
        {200, 200, 1.0}, {32768, 2, 0.95}, {3, 32767, 0.95}, {16385, 1, 1.0}, {1, 1, 0.0}};
    std::mt19937 pick(7);
    for (int k = 0; k < 40; ++k)
        cases.emplace_back(pick() % 400 + 1, pick() % 400 + 1, pick() / 4294967296.0);
    for (auto [xsize, ysize, density] : cases) {
        clockNow = pick(); // each forest seeded anew
        makeForest(xsize, ysize);
        EXPECT_TRUE(plant(density));
        const std::uint32_t stateAfter = draws.generator.state();
        // The plain planting: a product per draw, truncated, the size clamped.
        std::vector<std::uint8_t> grid(forest.cells().size(), Empty);
        grid[cellIndex(xsize / 2, ysize / 2, ysize)] = Tree;
        Generator generator(static_cast<std::uint32_t>(clockNow));
        ExtendedPrecisionScope precision;
        auto coordinate = [&generator](std::int32_t size) {
            volatile long double product = generator.unit() * static_cast<long double>(size);
            return std::min(static_cast<std::int32_t>(product), size - 1);
        };
        for (std::int64_t trees = 1, target = targetTreeCount(xsize, density, ysize); trees < target;) {
            const std::int32_t x = coordinate(xsize);
            std::uint8_t& cell = grid[cellIndex(x, coordinate(ysize), ysize)];
            trees += cell == Empty;
            cell = Tree;
        }
        EXPECT_TRUE(std::ranges::equal(forest.cells(), grid) && generator.state() == stateAfter)
            << xsize << " x " << ysize << " at " << density;
    }
}

// Ignaro's draws with a limit short of 2^31, so that a stall costs a handful of draws.
struct LimitedDraws final : TreeDraws {
    std::uint32_t limit = 0;
    Generator generator{1};
    CoordinateTables tables;
    void plant(Forest& forest, std::int64_t target, FrontEnd* view) override
    {
        plantDrawnTrees(forest, target, limit, generator, tables, view);
    }
};

TEST_F(ForestTest, ADrawLimitShortOfTheTargetByOneTreeStallsTheRunWithoutARow)
{
    // Four draws leave the generator after eight outputs and plant what they find.
    LimitedDraws limited;
    limited.limit = 4;
    makeForest(3, 3);
    EXPECT_FALSE(plantTrees(forest, 1.0, limited, nullptr));
    std::uint32_t afterFourDraws = 1;
    for (int output = 0; output < 8; ++output)
        afterFourDraws = nextGeneratorState(afterFourDraws);
    EXPECT_EQ(limited.generator.state(), afterFourDraws) << "left after the last draw made";

    // The fewest draws that leave a full 3 x 3 forest one tree short: that forest
    // must not count as planted, so its trial writes no row and the run stalls.
    const RunParameters full{3, 3, 1.0, 2, true, rowsFile};
    for (limited.limit = 1;; ++limited.limit) {
        limited.generator.seed(1);
        plantTrees(forest, 1.0, limited, nullptr);
        if (forest.planted == 8)
            break;
        ASSERT_LT(forest.planted, 8);
    }
    limited.generator.seed(1);
    const std::vector<double> densities{1.0};
    EXPECT_TRUE(runSeries(full, densities, limited, nullptr).plantingStalled);
    EXPECT_EQ(takeRows(), "");
    limited.limit = distinctDraws;
    EXPECT_FALSE(runSeries(full, densities, limited, nullptr).plantingStalled);
    EXPECT_EQ(takeRows(), "1 3 1\r\n1 3 1\r\n");
}
