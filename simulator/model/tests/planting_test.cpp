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

// Ignaro's draws with a limit far short of 2^31, so that a stall costs a handful of draws.
struct LimitedDraws final : TreeDraws {
    std::uint32_t limit = 22; // from seed 1, the draws that plant 8 of a 3 x 3 forest's 9 trees
    Generator generator{1};
    CoordinateTables tables;
    void plant(Forest& forest, std::int64_t target, FrontEnd* view) override
    {
        plantDrawnTrees(forest, target, limit, generator, tables, view);
    }
};

TEST_F(ForestTest, AForestOneTreeShortAtTheDrawLimitStallsTheRunWithoutARow)
{
    LimitedDraws limited;
    makeForest(3, 3);
    EXPECT_FALSE(plantTrees(forest, 1.0, limited, nullptr));
    EXPECT_EQ(forest.planted, 8);
    std::uint32_t afterTheLimit = 1;
    for (std::uint32_t output = 0; output < 2 * limited.limit; ++output)
        afterTheLimit = nextGeneratorState(afterTheLimit);
    EXPECT_EQ(limited.generator.state(), afterTheLimit) << "left after the last draw made";

    limited.generator.seed(1);
    const std::vector<double> full{1.0};
    EXPECT_TRUE(runSeries(RunParameters{3, 3, 1.0, 2, true, rowsFile}, full, limited, nullptr).plantingStalled);
    EXPECT_EQ(takeRows(), "") << "a forest one tree short is not planted";
}
