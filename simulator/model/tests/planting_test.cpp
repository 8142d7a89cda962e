// The planting by coordinate tables against the plain one, an extended-precision
// product per draw: the same forests, the generator left alike, no draw past the limit.
#include "model_fixture.h"
#include "planting.h"

#include "extended_precision.h"
#include "random_generator.h"

#include <algorithm>
#include <random>

namespace {

std::vector<std::uint8_t> plantPlainly(std::int32_t xsize, std::int32_t ysize, std::int64_t target, std::time_t seed)
{
    std::vector<std::uint8_t> grid(forestCells().size(), Empty);
    grid[cellIndex(xsize / 2, ysize / 2, ysize)] = Tree;
    seedGenerator(static_cast<std::uint32_t>(seed));
    ExtendedPrecisionScope precision;
    auto coordinate = [](std::int32_t size) {
        volatile long double product = randomUnit() * static_cast<long double>(size);
        return std::min(static_cast<std::int32_t>(product), size - 1);
    };
    for (std::int64_t trees = 1; trees < target;) {
        std::int32_t x = coordinate(xsize);
        std::uint8_t& cell = grid[cellIndex(x, coordinate(ysize), ysize)];
        trees += cell == Empty;
        cell = Tree;
    }
    return grid;
}

} // namespace

TEST_F(ForestTest, TableDrawsPlantThePlainForests)
{
    // Dense forests draw each output many times over, 32767 (whose product equals
    // the size and is clamped) included; large sizes map outputs nearly one to one.
    struct Case {
        std::int32_t xsize, ysize;
        double density;
    };
    std::vector<Case> cases{{200, 200, 1.0}, {32768, 2, 0.95}, {3, 32767, 0.95}, {16385, 1, 1.0}, {1, 1, 0.0}};
    std::mt19937 pick(7);
    for (int k = 0; k < 40; ++k)
        cases.push_back({static_cast<std::int32_t>(pick() % 400 + 1), static_cast<std::int32_t>(pick() % 400 + 1),
                         pick() / 4294967296.0});
    for (Case c : cases) {
        SCOPED_TRACE(testing::Message() << c.xsize << " x " << c.ysize << " at " << c.density);
        clockNow = pick();
        makeForest(c.xsize, c.ysize, c.density);
        EXPECT_TRUE(plantTrees());
        const std::uint32_t stateAfter = generatorState();
        const std::int64_t target = targetTreeCount(c.xsize, c.density, c.ysize);
        EXPECT_TRUE(std::ranges::equal(forestCells(), plantPlainly(c.xsize, c.ysize, target, clockNow)));
        EXPECT_EQ(generatorState(), stateAfter);
        freeForest();
    }
}

TEST_F(ForestTest, PlantingEndsAtTheDrawLimitShortOfTheTarget)
{
    makeForest(3, 3, 0.0);
    plantTrees();
    seedGenerator(1);
    std::int64_t trees = plantDrawnTrees(forestCells(), 3, 3, 1, 9, 4, nullptr);
    std::uint32_t afterFourDraws = 1;
    for (int output = 0; output < 8; ++output)
        afterFourDraws = nextGeneratorState(afterFourDraws);
    EXPECT_EQ(generatorState(), afterFourDraws) << "left after the last draw made";
    EXPECT_EQ(plantDrawnTrees(forestCells(), 3, 3, trees, 9, distinctDraws, nullptr), 9);
}
