// The planting's own truncation must give exactly what the compiler's conversion
// gives: every forest depends on it.
#include "extended_precision.h"
#include "random_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

void loadControlWord(std::uint16_t word) { __asm__ __volatile__("fldcw %0" : : "m"(word) : "memory"); }

std::uint16_t controlWord()
{
    std::uint16_t word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

} // namespace

TEST(Truncation, AgreesWithTheCompilersConversionOnEveryCoordinateDraw)
{
    ExtendedPrecisionScope precision;
    for (std::int32_t size : {1, 2, 3, 5, 7, 10, 99, 100, 400, 1000, 4096, 30000, 32767, 32768}) {
        for (int draw = 0; draw <= randomMax; ++draw) {
            // As the planting computes a coordinate: the unit, then the product.
            volatile long double unit = static_cast<long double>(draw) * randomUnitScale;
            volatile long double value = unit * static_cast<long double>(size);
            std::int64_t expected = static_cast<std::int64_t>(value);
            std::int64_t got = truncateExtended(value);
            if (got != expected)
                FAIL() << "size " << size << ", draw " << draw << ": " << got << " instead of " << expected;
        }
    }
}

TEST(Truncation, ExactAtIntegerBoundariesUnderEveryRoundingModeAndPrecision)
{
    std::vector<long double> values{0.0L, -0.0L};
    for (long double k : {1.0L, 2.0L, 3.0L, 5899.0L, 5900.0L, 32767.0L, 32768.0L, 0x1p31L - 1, 0x1p31L, 0x1p53L + 1,
                          0x1p62L}) {
        for (long double v : {k, std::nextafter(k, 0.0L), std::nextafter(k, 0x1p63L), k + 0.5L, k - 0.5L}) {
            values.push_back(v);
            values.push_back(-v);
        }
    }
    std::vector<std::int64_t> expected;
    for (long double v : values)
        expected.push_back(static_cast<std::int64_t>(v));

    const std::uint16_t saved = controlWord();
    for (std::uint16_t precisionBits : {0x0200, 0x0300}) {
        for (std::uint16_t roundingBits : {0x0000, 0x0400, 0x0800, 0x0C00}) {
            std::vector<std::int64_t> got;
            loadControlWord(static_cast<std::uint16_t>((saved & ~0x0F00u) | precisionBits | roundingBits));
            for (long double v : values)
                got.push_back(truncateExtended(v));
            loadControlWord(saved);
            EXPECT_EQ(got, expected) << std::hex << "precision " << precisionBits << ", rounding " << roundingBits;
        }
    }
}
