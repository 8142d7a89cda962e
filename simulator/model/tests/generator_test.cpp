// The generator's sequence and the unit scale fix every forest a seed plants.
#include "extended_precision.h"
#include "random_generator.h"

#include <gtest/gtest.h>

TEST(Generator, SequenceFromSeedOne)
{
    seedGenerator(1);
    EXPECT_EQ(nextRandom(), 346);
    EXPECT_EQ(nextRandom(), 130);
    EXPECT_EQ(nextRandom(), 10982);
    EXPECT_EQ(nextRandom(), 1090);
    EXPECT_EQ(nextRandom(), 11656);
}

TEST(Generator, OutputsStayWithinFifteenBitsAndReachBothEnds)
{
    seedGenerator(12345);
    bool sawZero = false, sawMax = false;
    for (int i = 0; i < 1 << 20; ++i) {
        int r = nextRandom();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, randomMax);
        sawZero |= r == 0;
        sawMax |= r == randomMax;
    }
    EXPECT_TRUE(sawZero);
    EXPECT_TRUE(sawMax);
}

TEST(Generator, UnitScaleMapsTheLargestOutputToExactlyOne)
{
    ExtendedPrecisionScope precision;
    volatile long double largest = randomMax;
    EXPECT_EQ(largest * randomUnitScale, 1.0L);
    // K is exactly (1 - 2^-75) / 32767: its significand times 32767 is 2^78 - 8.
    unsigned __int128 significand = 0x8001000200040008u;
    EXPECT_TRUE(significand * 32767u == (static_cast<unsigned __int128>(1) << 78) - 8u);
    EXPECT_EQ(randomUnitScale, static_cast<long double>(0x8001000200040008u) * 0x1p-78L);
}
