// The numbers every forest depends on (extended-precision products and their
// truncation), then planting, its seeding and the swept fire of single trials.
#include "extended_precision.h"
#include "model_fixture.h"
#include "random_generator.h"

// Loads an x87 control word; returns the one it replaced.
static std::uint16_t swapControlWord(std::uint16_t word)
{
    std::uint16_t old;
    __asm__ __volatile__("fnstcw %0\n\tfldcw %1" : "=m"(old) : "m"(word) : "memory");
    return old;
}

TEST(TargetCount, TruncatesTheExtendedProductsInTheirOrderWhateverTheControlWord)
{
    // 64-bit precision, and 53-bit as a thread made with raw CreateThread starts on Windows.
    for (std::uint16_t word : {0x037F, 0x027F}) {
        const std::uint16_t saved = swapControlWord(word);
        const std::vector counts{targetTreeCount(100, 0.59, 100), targetTreeCount(28211, 0.4594179828814113, 13705),
                                 targetTreeCount(32768, 1.0, 32768)};
        const long double largestUnit = extendedProduct(randomMax, randomUnitScale);
        swapControlWord(saved);
        // (x * d) * y: x * (d * y) would give 177625580.
        EXPECT_EQ(counts, (std::vector<std::int64_t>{5899, 177625581, 1 << 30})) << word;
        EXPECT_EQ(largestUnit, 1.0L) << "the generator's largest output, scaled";
    }
    EXPECT_EQ(forestCellCount(65536, 65536), std::int64_t{1} << 32);
}

TEST_F(ForestTest, SeedOnePlantsTheKnownForestDrawnCellByCell)
{
    makeForest(5, 4);
    plant(0.5, true);
    const std::string seedOne = "TTT..\n.T...\nT.TT.\nT..TT\n";
    EXPECT_EQ(picture(), seedOne);
    // Drawn: the clearing in column order, the centre tree, then each new tree once,
    // in the order of the draws that found an empty cell.
    std::vector<DrawnCell> expected;
    for (int cell = 0; cell < 20; ++cell)
        expected.push_back({cell / 4, cell % 4, Empty});
    for (auto [x, y] : {std::pair{2, 2}, {0, 0}, {1, 0}, {2, 0}, {3, 3}, {1, 1}, {0, 2}, {0, 3}, {4, 3}, {3, 2}})
        expected.push_back({x, y, Tree});
    EXPECT_EQ(frontEnd.drawn, expected);

    // Within one second the generator runs on; seeded in that second again, a silent
    // planting clears the last forest and plants the trees of the visible one.
    plant(0.5, true);
    EXPECT_NE(picture(), seedOne);
    draws.clock.seeded = false;
    plant(0.5);
    EXPECT_EQ(picture(), seedOne);
}

TEST_F(ForestTest, TheSweepBurnsOneGenerationPerPassAndStopsAtGaps)
{
    // A diagonal chain from the centre: the scan meets each caught tree later in the
    // same pass, yet one tree burns per pass; the tree cut off is never reached.
    makeForest(7, 7);
    plant(0.0);
    for (int i : {0, 4, 5, 6})
        forest.cell(i, i) = Tree;
    EXPECT_EQ(spreadFire(forest, &frontEnd), 5);
    EXPECT_EQ(frontEnd.drawn, (std::vector<DrawnCell>{{3, 3, Burning}, {4, 4, Igniting}, {3, 3, Burnt}, {5, 5, Igniting},
                                                      {4, 4, Burnt}, {6, 6, Igniting}, {5, 5, Burnt}, {6, 6, Burnt}}));
    EXPECT_FALSE(newForest(65536, 32769)) << "beyond the front's 32-bit cell indices";
}
