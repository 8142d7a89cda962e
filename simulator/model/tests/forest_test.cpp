// The numbers every forest depends on (generator, extended-precision products and
// their truncation), then planting and the swept fire of single trials.
#include "extended_precision.h"
#include "model_fixture.h"
#include "random_generator.h"


namespace {
std::uint16_t controlWord(std::uint16_t load = 0)
{
    std::uint16_t word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
    if (load)
        __asm__ __volatile__("fldcw %0" : : "m"(load) : "memory");
    return word;
}
} // namespace

TEST(Generator, SequenceFromSeedOneAndTheUnitScale)
{
    seedGenerator(1);
    EXPECT_EQ((std::vector{nextRandom(), nextRandom(), nextRandom(), nextRandom()}), (std::vector{346, 130, 10982, 1090}));
    ExtendedPrecisionScope precision;
    volatile long double largest = randomMax;
    EXPECT_EQ(largest * randomUnitScale, 1.0L);
}

TEST(TargetCount, TruncatesTheExtendedProductsInTheirOrderWhateverTheControlWord)
{
    // 53-bit precision, as a thread made with raw CreateThread starts on Windows.
    for (std::uint16_t word : {controlWord(), std::uint16_t{0x027F}}) {
        const std::uint16_t saved = controlWord(word);
        const std::vector counts{targetTreeCount(100, 0.59, 100), targetTreeCount(100, 0.35, 100),
                                 targetTreeCount(100, std::nextafter(0.35, 1.0), 100), targetTreeCount(400, 0.45, 400),
                                 targetTreeCount(28211, 0.4594179828814113, 13705), targetTreeCount(32768, 1.0, 32768)};
        controlWord(saved);
        // (x * d) * y: x * (d * y) would give 177625580.
        EXPECT_EQ(counts, (std::vector<std::int64_t>{5899, 3499, 3500, 72000, 177625581, 1 << 30})) << word;
    }
    EXPECT_EQ(forestCellCount(65536, 65536), std::int64_t{1} << 32);
}

TEST_F(ForestTest, SeedOnePlantsTheKnownForestDrawnCellByCellAndBurnsIt)
{
    makeForest(5, 4, 0.5, false);
    plantTrees();
    EXPECT_EQ(picture(), "TTT..\n.T...\nT.TT.\nT..TT\n");
    // Drawn: the clearing in column order, the centre tree, then each new tree once,
    // in the order of the draws that found an empty cell.
    std::vector<DrawnCell> expected;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            expected.push_back({x, y, Empty});
    for (auto [x, y] : {std::pair{2, 2}, {0, 0}, {1, 0}, {2, 0}, {3, 3}, {1, 1}, {0, 2}, {0, 3}, {4, 3}, {3, 2}})
        expected.push_back({x, y, Tree});
    EXPECT_EQ(frontEnd.drawn, expected);
    EXPECT_EQ(plantedTreeCount(), 10);
    EXPECT_EQ(spreadFire(), 5);
    EXPECT_EQ(measureTrial(), 1.0L);
    EXPECT_EQ(picture(), "BBB..\n.B...\nB.BB.\nB..BB\n");
}

TEST_F(ForestTest, PlantingHitsTheTargetAndSeedsOncePerSecond)
{
    for (double density : {0.0, 0.01, 0.59, 1.0}) {
        makeForest(37, 23, density);
        plantTrees();
        EXPECT_EQ(std::ranges::count(forestCells(), Tree), std::max<std::int64_t>(1, targetTreeCount(37, density, 23)));
        EXPECT_EQ(cellAt(18, 11), Tree) << "the centre tree";
    }
    // Within one second the generator runs on; a later second seeds it again, and a
    // silent planting clears the last forest and plants the same trees as a visible one.
    makeForest(31, 17, 0.45, false);
    plantTrees();
    const std::string first = picture();
    plantTrees();
    EXPECT_NE(picture(), first);
    clockNow = 2;
    plantTrees();
    const std::string secondTwo = picture();
    run.parameters.silent = true;
    run.frontEnd = nullptr;
    clock.seeded = false;
    plantTrees();
    EXPECT_EQ(picture(), secondTwo);
}

TEST_F(ForestTest, TheSweepBurnsOneGenerationPerPassAndStopsAtGaps)
{
    // A diagonal chain from the centre: the scan meets each caught tree later in the
    // same pass, yet one tree burns per pass. The tree cut off counts as planted.
    makeForest(7, 7, 0.0, false);
    plantTrees();
    for (int i : {0, 4, 5, 6})
        placeCell(i, i, Tree);
    frontEnd.clear();
    EXPECT_EQ(spreadFire(), 5);
    EXPECT_EQ(frontEnd.drawn, (std::vector<DrawnCell>{{3, 3, Burning}, {4, 4, Igniting}, {3, 3, Burnt}, {5, 5, Igniting},
                                                      {4, 4, Burnt}, {6, 6, Igniting}, {5, 5, Burnt}, {6, 6, Burnt}}));
    EXPECT_EQ(measureTrial(), 4.0L / 5.0L);
    run.parameters = RunParameters{65536, 32769, 0.5, 1, true, {}};
    EXPECT_FALSE(allocateForest()) << "beyond the front's 32-bit cell indices";
}
