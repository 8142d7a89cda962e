// The numbers every forest depends on (generator, extended-precision products and
// their truncation), then planting and the swept fire of single trials.
#include "model_fixture.h"

#include "extended_precision.h"
#include "random_generator.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::uint16_t controlWord()
{
    std::uint16_t word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}
void loadControlWord(std::uint16_t word) { __asm__ __volatile__("fldcw %0" : : "m"(word) : "memory"); }

} // namespace

TEST(Generator, SequenceFromSeedOneAndTheUnitScale)
{
    seedGenerator(1);
    std::vector<int> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.push_back(nextRandom());
    EXPECT_EQ(drawn, (std::vector<int>{346, 130, 10982, 1090, 11656}));
    ExtendedPrecisionScope precision;
    volatile long double largest = randomMax;
    EXPECT_EQ(largest * randomUnitScale, 1.0L);
}

TEST(Truncation, AgreesWithTheCompilersConversionUnderEveryRoundingModeAndPrecision)
{
    std::vector<long double> values{0.0L, -0.0L};
    for (long double k : {1.0L, 3.0L, 5899.0L, 32767.0L, 32768.0L, 0x1p31L, 0x1p53L + 1, 0x1p62L})
        for (long double v : {k, std::nextafter(k, 0.0L), std::nextafter(k, 0x1p63L), k + 0.5L, k - 0.5L})
            values.insert(values.end(), {v, -v});
    {
        // Every coordinate the planting can compute, as it computes it.
        ExtendedPrecisionScope precision;
        for (std::int32_t size : {7, 400, 32768})
            for (int draw = 0; draw <= randomMax; ++draw) {
                volatile long double unit = static_cast<long double>(draw) * randomUnitScale;
                values.push_back(unit * static_cast<long double>(size));
            }
    }
    std::vector<std::int64_t> expected;
    for (long double v : values)
        expected.push_back(static_cast<std::int64_t>(v));

    const std::uint16_t saved = controlWord();
    for (std::uint16_t mode : {0x0200, 0x0300, 0x0700, 0x0B00, 0x0F00}) {
        std::vector<std::int64_t> got;
        loadControlWord(static_cast<std::uint16_t>((saved & ~0x0F00u) | mode));
        for (long double v : values)
            got.push_back(truncateExtended(v));
        loadControlWord(saved);
        EXPECT_TRUE(got == expected) << std::hex << "control bits " << mode;
    }
}

TEST(TargetCount, TruncatesTheExtendedProductsInTheirOrderWhateverTheControlWord)
{
    struct Case {
        std::int32_t xsize;
        double density;
        std::int32_t ysize;
        std::int64_t trees;
    };
    const Case cases[] = {
        {100, 0.59, 100, 5899},
        {100, 0.35, 100, 3499},
        {100, std::nextafter(0.35, 1.0), 100, 3500},
        {400, 0.45, 400, 72000},
        {28211, 0.4594179828814113, 13705, 177625581}, // (x * d) * y; x * (d * y) gives one less
        {32768, 1.0, 32768, std::int64_t{1} << 30},
    };
    // 53-bit precision, as a thread made with raw CreateThread starts on Windows.
    const std::uint16_t saved = controlWord();
    for (std::uint16_t word : {saved, std::uint16_t{0x027F}}) {
        for (const Case& c : cases) {
            loadControlWord(word);
            const std::int64_t trees = targetTreeCount(c.xsize, c.density, c.ysize);
            loadControlWord(saved);
            EXPECT_EQ(trees, c.trees) << c.xsize << " x " << c.ysize << " at " << c.density << ", word " << word;
        }
    }
    EXPECT_EQ(forestCellCount(65536, 65536), std::int64_t{1} << 32);
}

TEST_F(ForestTest, SeedOnePlantsTheKnownForestDrawnCellByCellAndBurnsIt)
{
    makeForest(5, 4, 0.5, false);
    plantTrees();
    EXPECT_EQ(picture(), "TTT..\n"
                         ".T...\n"
                         "T.TT.\n"
                         "T..TT\n");
    // Drawn: the clearing in column order, the centre tree, then each new tree once,
    // in the order of the draws that found an empty cell.
    std::vector<DrawnCell> expected;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            expected.push_back({x, y, Empty});
    expected.push_back({2, 2, Tree});
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {3, 3}, {1, 1}, {0, 2}, {0, 3}, {4, 3}, {3, 2}})
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
        const auto trees = std::ranges::count(forestCells(), Tree);
        EXPECT_EQ(trees, std::max<std::int64_t>(1, targetTreeCount(37, density, 23))) << density;
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
    forgetLastSeeding();
    plantTrees();
    EXPECT_EQ(picture(), secondTwo);
}

TEST_F(ForestTest, TheSweepBurnsOneGenerationPerPassAndStopsAtGapsAndEdges)
{
    // A diagonal chain from the centre: the scan meets each caught tree later in the
    // same pass, yet one tree burns per pass.
    makeForest(7, 7, 0.0, false);
    plantTrees();
    for (int i = 4; i < 7; ++i)
        placeCell(i, i, Tree);
    placeCell(0, 0, Tree);
    frontEnd.clear();
    EXPECT_EQ(spreadFire(), 5);
    EXPECT_EQ(frontEnd.drawn, (std::vector<DrawnCell>{{3, 3, Burning},
                                                      {4, 4, Igniting},
                                                      {3, 3, Burnt},
                                                      {5, 5, Igniting},
                                                      {4, 4, Burnt},
                                                      {6, 6, Igniting},
                                                      {5, 5, Burnt},
                                                      {6, 6, Burnt}}));
    EXPECT_EQ(measureTrial(), 4.0L / 5.0L) << "the cut-off tree counts as planted";
}

TEST_F(ForestTest, GridsBeyondTheFrontsCellIndicesAreRefused)
{
    run.parameters = RunParameters{65536, 32769, 0.5, 1, true, {}};
    EXPECT_FALSE(allocateForest());
}
