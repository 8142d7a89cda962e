// The sizes of a packed DIB's colour table and pixel rows, read from the bytes of the
// two header forms as the platform lays them out.
#include "dib_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

template <typename T>
void put(std::uint8_t* at, T value)
{
    std::memcpy(at, &value, sizeof value);
}

// A 12-byte core header.
std::array<std::uint8_t, 12> coreHeader(std::uint16_t bitCount)
{
    std::array<std::uint8_t, 12> h{};
    put<std::uint32_t>(&h[0], 12);
    put<std::uint16_t>(&h[4], 16);  // width
    put<std::uint16_t>(&h[6], 16);  // height
    put<std::uint16_t>(&h[8], 1);   // planes
    put<std::uint16_t>(&h[10], bitCount);
    return h;
}

// A 40-byte header; the fields after the bit count are poisoned but biClrUsed.
std::array<std::uint8_t, 40> infoHeader(std::uint16_t bitCount, std::uint32_t colorsUsed)
{
    std::array<std::uint8_t, 40> h;
    h.fill(0xEE);
    put<std::uint32_t>(&h[0], 40);
    put<std::uint16_t>(&h[12], 1);
    put<std::uint16_t>(&h[14], bitCount);
    put<std::uint32_t>(&h[32], colorsUsed);
    return h;
}

TEST(DibLayout, ColourTablesOfBothHeaderForms)
{
    struct Case {
        std::uint16_t bitCount;
        std::uint16_t entries;
    };
    for (const Case c : {Case{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}, {0, 0}, {2, 0}}) {
        const auto core = coreHeader(c.bitCount);
        EXPECT_EQ(dibColorCount(core.data()), c.entries) << c.bitCount;
        EXPECT_EQ(dibColorTableSize(core.data()), c.entries * 3) << c.bitCount;
        const auto info = infoHeader(c.bitCount, 0);
        EXPECT_EQ(dibColorCount(info.data()), c.entries) << c.bitCount;
        EXPECT_EQ(dibColorTableSize(info.data()), c.entries * 4) << c.bitCount;
    }
    // A core header with 4 bits per pixel: 16 RGBTRIPLEs.
    EXPECT_EQ(dibColorTableSize(coreHeader(4).data()), 48);
}

TEST(DibLayout, ColoursUsedDecideTheTableOfTheLongFormOnly)
{
    EXPECT_EQ(dibColorCount(infoHeader(8, 20).data()), 20);
    EXPECT_EQ(dibColorTableSize(infoHeader(8, 20).data()), 80);
    // A colour table for a 24-bit image is allowed, to help palette devices.
    EXPECT_EQ(dibColorTableSize(infoHeader(24, 3).data()), 12);
    // The core form has no biClrUsed: the bytes where it would be are not read.
    std::array<std::uint8_t, 40> core{};
    std::memcpy(core.data(), coreHeader(1).data(), 12);
    put<std::uint32_t>(&core[32], 99);
    EXPECT_EQ(dibColorCount(core.data()), 2);
}

TEST(DibLayout, ImageSizePadsRowsToWholeWords)
{
    EXPECT_EQ(dibImageSize(101, 1, 24, false), 304u);  // 303 bytes of pixels
    EXPECT_EQ(dibImageSize(101, 10, 24, false), 3040u);
    EXPECT_EQ(dibImageSize(1, 1, 1, false), 4u);
    EXPECT_EQ(dibImageSize(32, 3, 1, false), 12u);
    EXPECT_EQ(dibImageSize(33, 3, 1, false), 24u);
    EXPECT_EQ(dibImageSize(9, 2, 4, false), 16u);
    EXPECT_EQ(dibImageSize(5, 5, 8, false), 40u);
    EXPECT_EQ(dibImageSize(3, 2, 32, false), 24u);
    EXPECT_EQ(dibImageSize(0, 100, 24, false), 0u);
    // A compressed image is estimated at half as much again, rounded down.
    EXPECT_EQ(dibImageSize(101, 1, 24, true), 456u);
    EXPECT_EQ(dibImageSize(1, 1, 8, true), 6u);
    EXPECT_EQ(dibImageSize(1, 3, 1, true), 18u);
}

TEST(DibLayout, DeepScreensGiveTwentyFourBitImages)
{
    for (std::uint16_t bits : {15, 16, 24, 32})
        EXPECT_EQ(packedDibDepth(0, 1, bits), 24) << bits;
    for (std::uint16_t bits : {1, 4, 8})
        EXPECT_EQ(packedDibDepth(0, 1, bits), bits);
    EXPECT_EQ(packedDibDepth(0, 4, 1), 4);  // planes times bits: an old planar screen
    EXPECT_EQ(packedDibDepth(0, 4, 4), 24);
    // A requested depth wins over the bitmap's own.
    EXPECT_EQ(packedDibDepth(4, 1, 32), 4);
    EXPECT_EQ(packedDibDepth(32, 1, 1), 24);
}

} // namespace
