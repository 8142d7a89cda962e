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
        makeForest(xsize, ysize, density);
        EXPECT_TRUE(plantTrees());
        const std::uint32_t stateAfter = generatorState();
        // The plain planting: a product per draw, truncated, the size clamped.
        std::vector<std::uint8_t> grid(forestCells().size(), Empty);
        grid[cellIndex(xsize / 2, ysize / 2, ysize)] = Tree;
        seedGenerator(static_cast<std::uint32_t>(clockNow));
        ExtendedPrecisionScope precision;
        auto coordinate = [](std::int32_t size) {
            volatile long double product = randomUnit() * static_cast<long double>(size);
            return std::min(static_cast<std::int32_t>(product), size - 1);
        };
        for (std::int64_t trees = 1, target = targetTreeCount(xsize, density, ysize); trees < target;) {
            const std::int32_t x = coordinate(xsize);
            std::uint8_t& cell = grid[cellIndex(x, coordinate(ysize), ysize)];
            trees += cell == Empty;
            cell = Tree;
        }
        EXPECT_TRUE(std::ranges::equal(forestCells(), grid) && generatorState() == stateAfter)
            << xsize << " x " << ysize << " at " << density;
    }
}

TEST(Planting, EndsAtTheDrawLimitShortOfTheTarget)
{
    std::vector<std::uint8_t> cells(5 * 5, Empty); // 3 x 3 inside the border
    seedGenerator(1);
    const std::int64_t trees = plantDrawnTrees(cells, 3, 3, 0, 9, 4, nullptr);
    std::uint32_t afterFourDraws = 1;
    for (int output = 0; output < 8; ++output)
        afterFourDraws = nextGeneratorState(afterFourDraws);
    EXPECT_EQ(generatorState(), afterFourDraws) << "left after the last draw made";
    EXPECT_EQ(plantDrawnTrees(cells, 3, 3, trees, 9, distinctDraws, nullptr), 9);
}
