// The PCG64 planting: the block engine gives PCG64's own outputs, a planting leaves
// the engine just after the draws it used, and every cell is equally likely.
#include "forest.h"
#include "pcg64_block.h"
#include "pcg_planting.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PcgPlanting, Pcg64sOwnOutputsNoCellFavouredAndTwoPlantingsPlantAsOne)
{
    pcg64 reference(12345, 6);
    Pcg64Blocks blocks(reference);
    Pcg64Blocks::Block block;
    for (int k = 0; k < 2; ++k) {
        blocks.fill(block);
        EXPECT_TRUE(std::ranges::all_of(block, [&](std::uint64_t output) { return output == reference(); }));
    }
    // Trees per cell (border included) over `times` forests from one engine, each
    // planted up to `targets` in turn.
    auto plant = [](std::int32_t xsize, std::int32_t ysize, std::vector<std::int64_t> targets, int times) {
        const std::unique_ptr<TreeDraws> draws = pcgDraws(9, 2);
        Forest forest = *newForest(xsize, ysize);
        std::vector<int> trees(forest.cells().size());
        while (times-- > 0) {
            std::ranges::fill(forest.cells(), Empty);
            forest.planted = 0;
            for (std::int64_t target : targets)
                draws->plant(forest, target, nullptr);
            std::ranges::transform(trees, forest.cells(), trees.begin(), [](int n, int cell) { return n + (cell == Tree); });
        }
        return trees;
    };
    // 15000 single trees on 3 x 5 cells: 1000 each, give or take 32 (one deviation).
    const std::vector<int> single = plant(3, 5, {1}, 15000);
    for (std::int32_t cell = 0; cell < 15; ++cell)
        EXPECT_NEAR(single[cellIndex(cell / 5, cell % 5, 5)], 1000, 150) << cell / 5 << "," << cell % 5;
    // A second planting goes on where the first one's last used draw left off, in the
    // middle of a block and, after 701 trees, of an output's two draws (after 700, at
    // an output's end); so does one on a forest whose width, 3000, takes 32-bit ones.
    for (auto [xsize, first] : {std::pair{50, 700}, {50, 701}, {3000, 700}})
        EXPECT_EQ(plant(xsize, 40, {first, 1500}, 1), plant(xsize, 40, {1500}, 1)) << xsize << " " << first;
}
