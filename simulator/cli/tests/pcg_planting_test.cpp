// The PCG64 planting: the block engine's outputs are PCG64's own, a planting leaves
// the engine just after the draws it used, and the cells it draws are equally likely.
#include "forest.h"
#include "pcg64_block.h"
#include "pcg_planting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

TEST(Pcg64Blocks, OutputsAndEngineAsTakenOneAtATime)
{
    pcg64 reference(12345, 6);
    Pcg64Blocks blocks(reference);
    Pcg64Blocks::Block first, second;
    blocks.fill(first);
    blocks.fill(second);
    std::vector<std::uint64_t> expected;
    for (std::size_t k = 0; k < 2 * Pcg64Blocks::size; ++k)
        expected.push_back(reference());
    EXPECT_EQ(std::vector<std::uint64_t>(first.begin(), first.end()),
              std::vector<std::uint64_t>(expected.begin(), expected.begin() + Pcg64Blocks::size));
    EXPECT_EQ(std::vector<std::uint64_t>(second.begin(), second.end()),
              std::vector<std::uint64_t>(expected.begin() + Pcg64Blocks::size, expected.end()));
    pcg64 afterFive(12345, 6);
    afterFive.discard(5);
    EXPECT_TRUE(blocks.engine(2 * Pcg64Blocks::size - 5) == afterFive);
}

namespace {

Forest emptyForest(std::int32_t xsize, std::int32_t ysize)
{
    Forest forest = *newForest(xsize, ysize);
    std::ranges::fill(forest.cells(), Empty);
    return forest;
}

std::vector<std::uint8_t> cellsOf(const Forest& forest) { return {forest.cells().begin(), forest.cells().end()}; }

} // namespace

TEST(PcgPlanting, TwoPlantingsInARowPlantAsOneDoes)
{
    // Far fewer trees than a block of draws, and far more: either way the second
    // planting must go on exactly where the first one's last used draw left off.
    for (const auto [first, total] : {std::pair{3, 10}, {700, 1500}}) {
        Forest once = emptyForest(50, 40), twice = emptyForest(50, 40);
        pcgDraws(9, 2)->plant(once, total, nullptr);
        const std::unique_ptr<TreeDraws> draws = pcgDraws(9, 2);
        draws->plant(twice, first, nullptr);
        draws->plant(twice, total, nullptr);
        EXPECT_EQ(cellsOf(once), cellsOf(twice)) << first;
        EXPECT_EQ(twice.planted, total);
    }
}

TEST(PcgPlanting, EveryCellOfANarrowForestEquallyLikely)
{
    // 15000 single trees on 3 x 5 cells: 1000 each, give or take 32 (one deviation).
    const std::unique_ptr<TreeDraws> draws = pcgDraws(1, 0);
    std::vector<int> counts(3 * 5);
    for (int trial = 0; trial < 15000; ++trial) {
        Forest forest = emptyForest(3, 5);
        draws->plant(forest, 1, nullptr);
        for (std::int32_t x = 0; x < 3; ++x)
            for (std::int32_t y = 0; y < 5; ++y)
                counts[static_cast<std::size_t>(x * 5 + y)] += forest.at(x, y) == Tree;
    }
    for (std::size_t cell = 0; cell < counts.size(); ++cell)
        EXPECT_NEAR(counts[cell], 1000, 150) << "cell " << cell;
}
